#include "string_grid.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "grid_file.h"
#include "message_box.h"
#include "platform.h"

using namespace lumo::controls;

// The grid sees the key events of its cell editors first, and hears of
// every text an editor stores in its cell.
class TqvStringGridDelegate : public QStyledItemDelegate {
 public:
  explicit TqvStringGridDelegate(TqvStringGrid *grid) : QStyledItemDelegate(grid), grid_(grid) {}
  QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                        const QModelIndex &index) const override {
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (editor) editor->installEventFilter(grid_);
    return editor;
  }
  void setModelData(QWidget *editor, QAbstractItemModel *model,
                    const QModelIndex &index) const override {
    QStyledItemDelegate::setModelData(editor, model, index);
    grid_->EditCommitted(index.column(), index.row());
  }

 private:
  TqvStringGrid *grid_;
};

namespace {

constexpr Qt::ItemFlags kEditableFlags =
    Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;

}  // namespace

TqvStringGrid::TqvStringGrid(QWidget *parent) : QTableWidget(parent) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(0);
  verticalHeader()->setMinimumSectionSize(0);
  horizontalHeader()->setDefaultSectionSize(64);
  verticalHeader()->setDefaultSectionSize(16);
  setItemDelegate(new TqvStringGridDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed);
  setTabKeyNavigation(true);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);
  auto refresh = [this] { RefreshCellFlags(); };
  connect(model(), &QAbstractItemModel::rowsInserted, this, refresh);
  connect(model(), &QAbstractItemModel::columnsInserted, this, refresh);
  connect(model(), &QAbstractItemModel::rowsRemoved, this, refresh);
  connect(model(), &QAbstractItemModel::columnsRemoved, this, refresh);
  SetColCount(5);
  SetRowCount(5);
  setColumnWidth(0, 16);
}

TqvStringGrid::~TqvStringGrid() {
  if (autoSave_) Save();
}

void TqvStringGrid::SetFileName(const QString &fileName) {
  fileName_ = fileName;
  Load();
}

QString TqvStringGrid::Cells(int col, int row) const {
  const QTableWidgetItem *it = item(row, col);
  return it ? it->text() : QString();
}

void TqvStringGrid::SetCells(int col, int row, const QString &text) {
  if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount()) return;
  if (QTableWidgetItem *it = item(row, col)) {
    it->setText(text);
  } else if (!text.isEmpty()) {
    auto *fresh = new QTableWidgetItem(text);
    fresh->setFlags(kEditableFlags);
    setItem(row, col, fresh);
  }
}

void TqvStringGrid::SetRowCount(int rows) {
  setRowCount(std::max(rows, 0));
  RefreshCellFlags();
}

void TqvStringGrid::SetColCount(int cols) {
  setColumnCount(std::max(cols, 0));
  RefreshCellFlags();
}

void TqvStringGrid::SetFixedRows(int rows) {
  fixedRows_ = std::max(rows, 0);
  RefreshCellFlags();
}

void TqvStringGrid::SetFixedCols(int cols) {
  fixedCols_ = std::max(cols, 0);
  RefreshCellFlags();
}

int TqvStringGrid::DefaultRowHeight() const {
  return verticalHeader()->defaultSectionSize();
}

void TqvStringGrid::SetDefaultRowHeight(int height) {
  verticalHeader()->setDefaultSectionSize(height);
  for (int r = 0; r < rowCount(); ++r) setRowHeight(r, height);
}

int TqvStringGrid::DefaultColWidth() const {
  return horizontalHeader()->defaultSectionSize();
}

bool TqvStringGrid::SelectCell(int col, int row) const {
  return row >= fixedRows_ && col >= fixedCols_;
}

void TqvStringGrid::RefreshCellFlags() {
  if (refreshing_) return;
  refreshing_ = true;
  const QBrush header = palette().brush(QPalette::Button);
  const QBrush text = palette().brush(QPalette::WindowText);
  for (int r = 0; r < rowCount(); ++r) {
    for (int c = 0; c < columnCount(); ++c) {
      const bool fixed = r < fixedRows_ || c < fixedCols_;
      const bool selectable = !fixed && SelectCell(c, r);
      QTableWidgetItem *it = item(r, c);
      if (selectable) {
        if (it && it->flags() != kEditableFlags) {
          it->setFlags(kEditableFlags);
          it->setData(Qt::BackgroundRole, QVariant());
          it->setData(Qt::ForegroundRole, QVariant());
        }
        continue;
      }
      if (!it) {
        it = new QTableWidgetItem;
        setItem(r, c, it);
      }
      // Cells that cannot be selected are skipped by keyboard and mouse;
      // they keep a readable text colour.
      it->setFlags(Qt::NoItemFlags);
      it->setForeground(text);
      it->setData(Qt::BackgroundRole, fixed ? QVariant(header) : QVariant());
    }
  }
  refreshing_ = false;
}

QWidget *TqvStringGrid::OpenEditor() const {
  if (state() != QAbstractItemView::EditingState) return nullptr;
  return indexWidget(currentIndex());
}

QString TqvStringGrid::CurrentCellText() const {
  if (auto *editor = qobject_cast<QLineEdit *>(OpenEditor())) return editor->text();
  return Cells(currentColumn(), currentRow());
}

void TqvStringGrid::SetCurrentCellText(const QString &text) {
  if (auto *editor = qobject_cast<QLineEdit *>(OpenEditor())) editor->setText(text);
  SetCells(currentColumn(), currentRow(), text);
}

void TqvStringGrid::EndEditing() {
  if (QWidget *editor = OpenEditor()) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

void TqvStringGrid::FitColumnsToText() {
  const QFontMetrics metrics(font());
  for (int c = 0; c < columnCount(); ++c) {
    int needed = 0;
    for (int r = 0; r < rowCount(); ++r) {
      needed = std::max(needed, metrics.horizontalAdvance(Cells(c, r)) + 10);
    }
    if (needed > columnWidth(c)) setColumnWidth(c, needed);
  }
}

void TqvStringGrid::InsertRow(int row) {
  EndEditing();
  insertRow(std::clamp(row, 0, rowCount()));
}

void TqvStringGrid::DeleteRow(int row) {
  EndEditing();
  if (row >= 0 && row < rowCount()) removeRow(row);
}

bool TqvStringGrid::SaveToFile(const QString &fileName) {
  EndEditing();
  if (autoBackup_ && QFileInfo::exists(fileName)) {
    QFile::rename(fileName, fileName + QStringLiteral("BAK"));  // an older backup stays
  }
  GridFileData data;
  data.delimiter = delimiter_;
  data.rowCount = rowCount();
  data.colCount = columnCount();
  data.defaultRowHeight = DefaultRowHeight();
  data.caption1 = caption1_;
  data.caption2 = caption2_;
  data.caption2Top = placement_ == TCaption2Placement::cpTop;
  for (int r = 0; r < rowCount(); ++r) {
    if (rowHeight(r) != DefaultRowHeight()) data.rowHeights.append({r, rowHeight(r)});
  }
  for (int c = 0; c < columnCount(); ++c) {
    if (columnWidth(c) != DefaultColWidth()) data.colWidths.append({c, columnWidth(c)});
  }
  for (int r = 0; r < rowCount(); ++r) {
    for (int c = 1; c < columnCount(); ++c) {
      const QString text = Cells(c, r);
      if (!text.isEmpty()) data.cells.append({c, r, text});
    }
  }
  try {
    lumo::platform::ReplaceFileContents(fileName.toStdString(),
                                        WriteGridFile(data).toUtf8().toStdString());
  } catch (const lumo::platform::FileError &) {
    ShowMessage(this, tr("Error"), tr("%1 is not a valid file name.").arg(fileName), MsgIcon::Error,
                MsgButton::Ok);
    return false;
  }
  return true;
}

bool TqvStringGrid::LoadFromFile(const QString &fileName) {
  QFile file(fileName);
  if (!file.exists()) return false;
  auto refuse = [&](const QString &why) {
    ShowMessage(this, tr("A Small Error"), tr("%1 cannot be loaded: %2").arg(fileName, why),
                MsgIcon::Error, MsgButton::Ok);
    return false;
  };
  if (file.size() > kGridMaxFileBytes) {
    return refuse(tr("the file is larger than a grid file can be."));
  }
  if (!file.open(QIODevice::ReadOnly)) return refuse(file.errorString());
  EndEditing();
  const GridFileReading reading = ReadGridFile(DecodeGridFileText(file.readAll()));
  for (const GridFileStep &step : reading.steps) {
    switch (step.kind) {
      case GridFileStep::Delimiter:
        delimiter_ = step.text[0];
        break;
      case GridFileStep::Size:
        SetRowCount(step.a);
        SetColCount(step.b);
        break;
      case GridFileStep::DefaultRowHeight:
        SetDefaultRowHeight(step.a);
        break;
      case GridFileStep::Caption1:
        caption1_ = step.text;
        break;
      case GridFileStep::Caption2:
        caption2_ = step.text;
        break;
      case GridFileStep::Placement:
        placement_ = step.a ? TCaption2Placement::cpTop : TCaption2Placement::cpBottom;
        break;
      case GridFileStep::RowHeight:
        setRowHeight(step.a, step.b);
        break;
      case GridFileStep::ColWidth:
        setColumnWidth(step.a, step.b);
        break;
      case GridFileStep::Cell:
        SetCells(step.a, step.b, step.text);
        break;
    }
  }
  if (!reading.error.isEmpty()) {
    return refuse(tr("line %1: %2. The lines before it were loaded.")
                      .arg(reading.errorLine)
                      .arg(reading.error));
  }
  return true;
}

void TqvStringGrid::Save() {
  if (!fileName_.isEmpty()) SaveToFile(fileName_);
}

void TqvStringGrid::Load() {
  if (!fileName_.isEmpty()) LoadFromFile(fileName_);
}

void TqvStringGrid::WriteHTML(QStringList &lines) const {
  const QString span = QString::number(columnCount() - 1);
  auto captionRow = [&](const QString &caption) {
    return QStringLiteral("<tr><th nowrap colspan=") + span + u'>' + caption +
           QStringLiteral("</th></tr>");
  };
  auto cell = [&](int c, int r) {
    const QString text = Cells(c, r);
    return text.isEmpty() ? QStringLiteral("<br>") : text;
  };
  lines << QStringLiteral("<table border=1>");
  if (!caption1_.isEmpty()) lines << captionRow(caption1_);
  if (placement_ == TCaption2Placement::cpTop && !caption2_.isEmpty()) {
    lines << captionRow(caption2_);
  }
  lines << QStringLiteral("<tr>");
  for (int c = 1; c < columnCount(); ++c) {
    lines << QStringLiteral("<th nowrap>") + cell(c, 0) + QStringLiteral("</th>");
  }
  lines << QStringLiteral("</tr>");
  for (int r = 1; r < rowCount(); ++r) {
    lines << QStringLiteral("<tr>");
    for (int c = 1; c < columnCount(); ++c) {
      lines << QStringLiteral("<td nowrap>") + cell(c, r) + QStringLiteral("</td>");
    }
    lines << QStringLiteral("</tr>");
  }
  if (placement_ == TCaption2Placement::cpBottom && !caption2_.isEmpty()) {
    lines << captionRow(caption2_);
  }
  lines << QStringLiteral("</table><p>");
}

bool TqvStringGrid::HandleGridKey(QKeyEvent *event) {
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  if (event->key() == Qt::Key_Down && !ctrl && currentRow() == rowCount() - 1) {
    EndEditing();
    SetRowCount(rowCount() + 1);
    return false;  // the move itself is the view's
  }
  if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
    if (currentRow() >= fixedRows_) InsertRow(currentRow());
    return true;
  }
  if (event->key() == Qt::Key_Delete && ctrl) {
    if (rowCount() > 2 && currentRow() >= fixedRows_ &&
        ShowMessage(this, tr("Confirm"), tr("Are you sure you want to delete this row?"),
                    MsgIcon::Question, MsgButton::Ok | MsgButton::Cancel) == MsgButton::Ok) {
      DeleteRow(currentRow());
    }
    return true;
  }
  return false;
}

void TqvStringGrid::keyPressEvent(QKeyEvent *event) {
  if (HandleGridKey(event)) {
    event->accept();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

bool TqvStringGrid::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::KeyPress && watched == OpenEditor()) {
    auto *key = static_cast<QKeyEvent *>(event);
    const bool gridKey = key->key() == Qt::Key_Insert ||
                         (key->key() == Qt::Key_Delete && (key->modifiers() & Qt::ControlModifier));
    if (gridKey) {
      // Handled once the editor's event is over: the key may ask for
      // confirmation and close the editor, and neither may happen while the
      // editor is still handling its event.
      const int code = key->key();
      const Qt::KeyboardModifiers modifiers = key->modifiers();
      QMetaObject::invokeMethod(
          this,
          [this, code, modifiers] {
            QKeyEvent later(QEvent::KeyPress, code, modifiers);
            HandleGridKey(&later);
          },
          Qt::QueuedConnection);
      return true;
    }
  }
  return QTableWidget::eventFilter(watched, event);
}
