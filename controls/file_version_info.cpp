#include "file_version_info.h"

#include <QFile>

#include "platform.h"
#include "version_block.h"

using namespace lumo::controls;

TFileVersionInfo::TFileVersionInfo() {
  // Keeps the program's own block in its file.
  (void)EmbeddedVersionBlock();
  SetExecutableFile(QString::fromStdString(lumo::platform::ExecutablePath()));
}

void TFileVersionInfo::SetExecutableFile(const QString &file) {
  file_ = file;
  Read();
}

void TFileVersionInfo::Read() {
  for (QString *p : {&countryCode_, &companyName_, &fileDescription_, &fileVersion_, &internalName_,
                     &legalCopyright_, &legalTradeMarks_, &originalFilename_, &productName_,
                     &productVersion_, &comments_}) {
    p->clear();
  }
  QFile f(file_);
  if (file_.isEmpty() || !f.open(QIODevice::ReadOnly) || f.size() == 0) return;
  uchar *data = f.map(0, f.size());
  std::optional<VersionBlock> block;
  if (data) {
    block = FindVersionBlock(QByteArrayView(data, f.size()));
    f.unmap(data);
  } else {
    block = FindVersionBlock(f.readAll());
  }
  if (!block) return;
  countryCode_ = block->translation;
  const struct {
    const char *name;
    QString *target;
  } kValues[] = {{"CompanyName", &companyName_},           {"FileDescription", &fileDescription_},
                 {"FileVersion", &fileVersion_},           {"InternalName", &internalName_},
                 {"LegalCopyright", &legalCopyright_},     {"LegalTradeMarks", &legalTradeMarks_},
                 {"OriginalFilename", &originalFilename_}, {"ProductName", &productName_},
                 {"ProductVersion", &productVersion_},     {"Comments", &comments_}};
  for (const auto &v : kValues) {
    const QString key =
        QStringLiteral("\\StringFileInfo\\") + countryCode_ + u'\\' + QLatin1String(v.name);
    if (block->values.contains(key)) *v.target = block->values.value(key);
  }
}
