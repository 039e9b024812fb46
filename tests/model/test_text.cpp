// Stored texts: Windows-1252 against UTF-8, length limits.
#include <gtest/gtest.h>

#include "pascal_string.h"
#include "scenario_record.h"

namespace lumo {
namespace {

TEST(StoredText, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\x80\xB3"), "€³");
  EXPECT_EQ(Utf8ToCp1252("ft³ – “x”"), "ft\xB3 \x96 \x93x\x94");
}

TEST(StoredText, RefusesTextItCannotStore) {
  EXPECT_THROW(Utf8ToCp1252("α-pinene"), ETextError);
  EXPECT_THROW(Utf8ToCp1252("\xC3"), ETextError);      // cut short
  EXPECT_THROW(Utf8ToCp1252("\xC0\xB3"), ETextError);  // overlong
  EXPECT_THROW(Utf8ToCp1252("\xFF"), ETextError);

  String255 s{};
  s.SetText("Toluene");
  EXPECT_THROW(s.SetText(std::string(256, 'x')), ETextError);
  EXPECT_THROW(s.SetText("α"), ETextError);
  EXPECT_EQ(s.Text(), "Toluene");  // a refused text changes nothing
  s.SetText(std::string(255, 'x'));
  EXPECT_EQ(s.Length, 255);
  // 255 characters that take two bytes each in UTF-8 still fit.
  std::string umlauts;
  for (int i = 0; i < 255; ++i) umlauts += "ä";
  EXPECT_TRUE(String255::Fits(umlauts));
  EXPECT_FALSE(String255::Fits(umlauts + "ä"));

  ShortString<15> cell{};
  cell.Length = 200;  // damaged length byte
  EXPECT_EQ(cell.Bytes().size(), 15u);
}

}  // namespace
}  // namespace lumo
