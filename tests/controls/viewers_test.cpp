// The help viewers, tips, more-information button, percentage bar, version
// information and printed layouts, checked on a recording canvas.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include "about_form.h"
#include "disp_chemicals_form.h"
#include "file_version_info.h"
#include "help_but.h"
#include "help_files.h"
#include "message_recorder.h"
#include "more_info_button.h"
#include "percent_bar.h"
#include "percent_geometry.h"
#include "platform.h"
#include "recording_canvas.h"
#include "rtf_form_tips.h"
#include "text_printing.h"
#include "tips.h"
#include "version_block.h"

using namespace lumo::controls;

namespace {

void WriteAll(const QString &path, const QByteArray &bytes) {
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(bytes);
}

// Installs a printer chooser that hands out `canvas` for the next job.
class RecordingPrinter {
 public:
  explicit RecordingPrinter(RecordingCanvas *canvas) {
    previous_ = SetPrinterChooser([canvas](QWidget *) {
      struct Borrowed : PrintCanvas {
        RecordingCanvas *c;
        explicit Borrowed(RecordingCanvas *rc) : c(rc) {}
        bool BeginDoc(const QString &t) override { return c->BeginDoc(t); }
        void EndDoc() override { c->EndDoc(); }
        int PageWidth() const override { return c->PageWidth(); }
        int PageHeight() const override { return c->PageHeight(); }
        int VerticalDpi() const override { return c->VerticalDpi(); }
        void SetFont(const PrintFont &f) override { c->SetFont(f); }
        PrintFont Font() const override { return c->Font(); }
        void TextOut(int x, int y, const QString &t) override { c->TextOut(x, y, t); }
        int TextWidth(const QString &t) const override { return c->TextWidth(t); }
        void Line(int a, int b, int d, int e) override { c->Line(a, b, d, e); }
        void NewPage() override { c->NewPage(); }
      };
      return std::unique_ptr<PrintCanvas>(new Borrowed(canvas));
    });
  }
  ~RecordingPrinter() { SetPrinterChooser(previous_); }

 private:
  PrinterChooser previous_;
};

}  // namespace

TEST(PercentBar, ClampsAndFillsTheDescribedGeometry) {
  TPERCENT bar;
  bar.SetPercentShaded(150);
  EXPECT_EQ(bar.PercentShaded(), 100);
  bar.SetPercentShaded(-5);
  EXPECT_EQ(bar.PercentShaded(), 0);

  const QRect fill = PercentFillRect(90, 20, 50);
  EXPECT_EQ(fill.left(), 2);
  EXPECT_EQ(fill.right(), 44);
  EXPECT_EQ(fill.top(), 2);
  EXPECT_EQ(fill.bottom(), 17);
  const QRect vertical = PercentFillRect(20, 90, 25);  // fills from the bottom
  EXPECT_EQ(vertical.bottom(), 87);
  EXPECT_EQ(vertical.top(), 2 + 64);  // 64.5 rounds to the even 64

  bar.resize(90, 20);
  bar.SetPercentShaded(50);
  bar.SetShowPercent(false);  // keep the text away from the sampled pixels
  const QImage image = bar.grab().toImage();
  EXPECT_EQ(image.pixelColor(44, 10), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(45, 10), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(0, 10), QColor(0x80, 0x80, 0x80));
  EXPECT_EQ(image.pixelColor(89, 10), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(1, 10), QColor(Qt::black));
  EXPECT_TRUE(bar.IsHorizontal());
}

TEST(HelpFiles, TableEntries) {
  EXPECT_EQ(HelpFileEntry(0), "No Help File Assigned");
  EXPECT_EQ(HelpFileEntry(1), "help/Chemicals.kbn");
  EXPECT_EQ(HelpFileEntry(5), HelpFileEntry(1));
  EXPECT_EQ(HelpFileEntry(4), HelpFileEntry(34));
  EXPECT_EQ(HelpFileEntry(6), "help/Edit Paint Density.kbn");
  EXPECT_EQ(HelpFileEntry(50), "help/caveat.kbn");
  EXPECT_EQ(HelpFileEntry(51), "");
  EXPECT_EQ(HelpFileEntry(-1), "");
  EXPECT_TRUE(HelpFilePath(50).endsWith("/help/caveat.kbn"));
}

TEST(Viewers, MissingFilesAreReportedInsideTheViewer) {
  const QString missing = QDir::temp().filePath("lumo-no-such-help.kbn");
  TRTFFormTips help("Title", missing);
  EXPECT_EQ(help.TipText()->toPlainText(), missing + ": Does not Exist");
  EXPECT_EQ(help.TipHeader()->text(), "Title");
  EXPECT_EQ(help.windowTitle(), "TipForm");
  TfrmDispChemicals info("Info", missing);
  EXPECT_EQ(info.findChild<QPlainTextEdit *>("memoChemList")->toPlainText(),
            missing + ":  Help file not found\n  Please see your administrator");
  EXPECT_EQ(info.findChild<QLabel *>("pnlCaption")->text(), "Info");
}

TEST(Viewers, HtmlIsShownAsRichTextAndPlainTextAsItIs) {
  QTemporaryDir dir;
  WriteAll(dir.filePath("a.kbn"), "<html><body><h1>Head</h1><p>Some <b>bold</b></p></body></html>");
  WriteAll(dir.filePath("b.kbn"), "Plain <b> stays\nline 2\n");
  TRTFFormTips rich("T", dir.filePath("a.kbn"));
  EXPECT_EQ(rich.TipText()->toPlainText(), "Head\nSome bold");
  TRTFFormTips plain("T", dir.filePath("b.kbn"));
  EXPECT_EQ(plain.TipText()->toPlainText(), "Plain <b> stays\nline 2\n");
  EXPECT_NE(plain.TipText()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QByteArray many;
  for (int i = 0; i < 30; ++i) many += "line\n";
  WriteAll(dir.filePath("c.kbn"), many);
  TRTFFormTips longText("T", dir.filePath("c.kbn"));
  EXPECT_EQ(longText.TipText()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  TfrmDispChemicals info("I", dir.filePath("c.kbn"));
  EXPECT_EQ(info.findChild<QPlainTextEdit *>("memoChemList")->verticalScrollBarPolicy(),
            Qt::ScrollBarAlwaysOn);
}

TEST(Printing, ViewerTextBreaksPagesAtLineTwo) {
  // 300 dpi, 10 pt canvas font: 42 px lines, H = 63; 10 lines fit a page
  // of 700 px ((line + 1) x 63 <= 700 up to line 10).
  RecordingCanvas canvas(2150, 700, 300);
  QStringList lines;
  for (int i = 1; i <= 12; ++i) lines << QString("line %1").arg(i);
  PrintFont heading{"Times New Roman", 14, false, false, false};
  PrintFont body{"Times New Roman", 12, false, false, false};
  ASSERT_TRUE(PrintViewerText(canvas, "Heading", heading, body, lines));
  const QList<PrintOp> texts = canvas.Texts();
  ASSERT_EQ(texts.size(), 13);
  EXPECT_EQ(texts[0].text, "Heading");
  EXPECT_EQ(texts[0].y, 63);
  EXPECT_EQ(texts[0].x, 100);
  EXPECT_EQ(texts[0].font, heading);
  EXPECT_EQ(texts[1].y, 3 * 63);
  EXPECT_EQ(texts[1].font, body);
  EXPECT_EQ(texts[8].text, "line 8");
  EXPECT_EQ(texts[8].y, 10 * 63);
  EXPECT_EQ(texts[8].page, 1);
  EXPECT_EQ(texts[9].text, "line 9");
  EXPECT_EQ(texts[9].page, 2);
  EXPECT_EQ(texts[9].y, 2 * 63);
  EXPECT_EQ(texts[12].y, 5 * 63);
  EXPECT_EQ(canvas.Pages(), 2);
  EXPECT_TRUE(canvas.Ended());
}

TEST(Printing, LongLinesWrapInsideThePage) {
  RecordingCanvas canvas(430, 3000, 300, 20);  // 20 px a character, 390 px text width
  ASSERT_TRUE(PrintViewerText(canvas, "H", {}, {}, {"aaaa bbbb cccc dddd eeee ffff gggg"}));
  const QList<PrintOp> texts = canvas.Texts();
  ASSERT_EQ(texts.size(), 3);
  EXPECT_EQ(texts[1].text, "aaaa bbbb cccc dddd");
  EXPECT_EQ(texts[2].text, "eeee ffff gggg");
  const QStringList pieces =
      WrapLine(QString(50, 'x'), 100, [](const QString &s) { return int(s.size()) * 10; });
  EXPECT_EQ(pieces, QStringList({QString(10, 'x'), QString(10, 'x'), QString(10, 'x'),
                                 QString(10, 'x'), QString(10, 'x')}));
}

TEST(Printing, PrintButtonsUseTheChosenPrinter) {
  MessageRecorder messages;
  RecordingCanvas canvas(2150, 3000, 300);
  RecordingPrinter printer(&canvas);
  THelpBut about;
  about.findChild<QPushButton *>("btnPrint")->click();
  const QList<PrintOp> texts = canvas.Texts();
  ASSERT_EQ(texts.size(), 16);
  // L = 2 x 42 px; heading at 90/215 of the width on line 1.
  EXPECT_EQ(texts[0].text, "About the Help Buttons");
  EXPECT_EQ(texts[0].x, 900);
  EXPECT_EQ(texts[0].y, 84);
  EXPECT_EQ(texts[1].x, 100);
  EXPECT_EQ(texts[1].y, 3 * 84);
  EXPECT_EQ(texts[15].text, "- MODEL LIMITATIONS, located on the Execution screen.");
  EXPECT_EQ(texts[15].y, 17 * 84);

  canvas.SetCanStart(false);
  TfrmDispChemicals info("I", QDir::temp().filePath("lumo-no-such-file"));
  info.findChild<QPushButton *>("btnPrint")->click();
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.LastText(), "The printer could not be started.");
}

TEST(VersionInfo, ReadsTheBlockOrLeavesEverythingEmpty) {
  QTemporaryDir dir;
  QByteArray bytes(1000, '\0');
  bytes += MakeVersionBlock(
      "040904E4", {{"CompanyName", "Co"}, {"FileVersion", "2.5.1"}, {"ProductName", "LUMO"}});
  bytes += QByteArray(1000, 'x');
  WriteAll(dir.filePath("with"), bytes);
  WriteAll(dir.filePath("without"), QByteArray(5000, 'z'));

  TFileVersionInfo info;
  info.SetExecutableFile(dir.filePath("with"));
  EXPECT_EQ(info.CountryCode(), "040904E4");
  EXPECT_EQ(info.CompanyName(), "Co");
  EXPECT_EQ(info.FileVersion(), "2.5.1");
  EXPECT_EQ(info.ProductName(), "LUMO");
  EXPECT_EQ(info.Comments(), "");
  info.SetExecutableFile(dir.filePath("without"));
  EXPECT_EQ(info.CountryCode(), "");
  EXPECT_EQ(info.ProductName(), "");
  info.SetExecutableFile(dir.filePath("missing"));
  EXPECT_EQ(info.FileVersion(), "");

  // The running program carries its own block.
  TFileVersionInfo own;
  EXPECT_EQ(own.ExecutableFile(), QString::fromStdString(lumo::platform::ExecutablePath()));
  EXPECT_EQ(own.ProductName(), "LUMO");
  EXPECT_FALSE(own.FileVersion().isEmpty());
  TfrmAbout about;
  EXPECT_EQ(about.findChild<QLabel *>("lblVersion")->text(), "Version " + own.FileVersion());
}

TEST(Tips, ExecuteShowsTheTipAndReportsClose) {
  TTips tips;
  tips.SetTitle("Tip title");
  tips.SetHeader("Header");
  tips.SetText(QString(2500, 'a'));
  EXPECT_EQ(tips.Text().size(), 2000);
  tips.SetText("The tip");
  QString seenTitle, seenText;
  QStringList seenTips;
  QTimer::singleShot(0, [&] {
    auto *form = qobject_cast<TTipForm *>(QApplication::activeModalWidget());
    ASSERT_NE(form, nullptr);
    seenTitle = form->windowTitle();
    seenText = form->TipText()->toPlainText();
    seenTips = form->TipList();
    EXPECT_FALSE(form->ShowNextTime()->isVisible());
    form->findChild<QPushButton *>("btnClose")->click();
  });
  EXPECT_TRUE(tips.Execute());
  EXPECT_EQ(seenTitle, "Tip title");
  EXPECT_EQ(seenText, "The tip");
  EXPECT_EQ(seenTips, QStringList{"There is no tip info available."});
}

TEST(Tips, MoreInformationButtonOpensItsDialog) {
  QTemporaryDir dir;
  TLUMOBtnMoreInfo button;
  button.LoadGlyph(dir.filePath("help1.bmp"));  // missing: caption only
  EXPECT_TRUE(button.icon().isNull());
  EXPECT_EQ(button.text(), "More Information");
  EXPECT_EQ(button.size(), QSize(169, 33));
  QImage glyph(16, 16, QImage::Format_RGB32);
  glyph.fill(Qt::blue);
  glyph.save(dir.filePath("help1.bmp"), "BMP");
  button.LoadGlyph(dir.filePath("help1.bmp"));
  EXPECT_FALSE(button.icon().isNull());

  TTips tips;
  button.SetDialog(&tips);
  button.SetString("More text");
  QString seen;
  QTimer::singleShot(0, [&] {
    auto *form = qobject_cast<TTipForm *>(QApplication::activeModalWidget());
    ASSERT_NE(form, nullptr);
    seen = form->TipText()->toPlainText();
    form->reject();
  });
  button.click();
  EXPECT_EQ(seen, "More text");
  EXPECT_EQ(tips.Text(), "More text");
}
