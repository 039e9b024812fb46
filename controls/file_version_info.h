// TFileVersionInfo: the version information of a program file: the
// language/code-page key of its first translation and ten text values.
// Reading happens on construction (the running program's own file) and on
// every assignment of ExecutableFile; a file without a version block leaves
// every property empty.
#pragma once

#include <QString>

class TFileVersionInfo {
 public:
  TFileVersionInfo();

  QString ExecutableFile() const { return file_; }
  void SetExecutableFile(const QString &file);

  QString CountryCode() const { return countryCode_; }
  QString CompanyName() const { return companyName_; }
  QString FileDescription() const { return fileDescription_; }
  QString FileVersion() const { return fileVersion_; }
  QString InternalName() const { return internalName_; }
  QString LegalCopyright() const { return legalCopyright_; }
  QString LegalTradeMarks() const { return legalTradeMarks_; }
  QString OriginalFilename() const { return originalFilename_; }
  QString ProductName() const { return productName_; }
  QString ProductVersion() const { return productVersion_; }
  QString Comments() const { return comments_; }

 private:
  void Read();

  QString file_;
  QString countryCode_, companyName_, fileDescription_, fileVersion_, internalName_,
      legalCopyright_, legalTradeMarks_, originalFilename_, productName_, productVersion_,
      comments_;
};
