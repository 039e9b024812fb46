// TqvStringGrid: an editable grid of text cells addressed as (column, row),
// with fixed header rows and columns drawn as cells (row 0 holds the column
// titles). It saves itself to and loads itself from a text file (see
// grid_file.h), exports itself as an HTML table, and inserts (Insert) and
// deletes (Ctrl+Delete, after confirmation) rows from the keyboard; Down on
// the last row appends a row. The scenario grids derive from it.
//
// A cell editor's events are never used to show a message or close the
// editor directly: what would do so is queued until the editor's event is
// over, since a modal box or a closed editor inside that event would leave
// the editor destroyed under its own feet.
#pragma once

#include <QTableWidget>

class TqvStringGridDelegate;

class TqvStringGrid : public QTableWidget {
  Q_OBJECT

 public:
  enum class TCaption2Placement { cpTop, cpBottom };

  explicit TqvStringGrid(QWidget *parent = nullptr);
  // Saves to FileName when AutoSave is on and a file name is set.
  ~TqvStringGrid() override;

  QChar CellDelimiter() const { return delimiter_; }
  void SetCellDelimiter(QChar d) { delimiter_ = d; }
  bool AutoBackup() const { return autoBackup_; }
  void SetAutoBackup(bool on) { autoBackup_ = on; }
  bool AutoSave() const { return autoSave_; }
  void SetAutoSave(bool on) { autoSave_ = on; }
  QString FileName() const { return fileName_; }
  // Setting the file name loads that file at once.
  void SetFileName(const QString &fileName);
  QString Caption1() const { return caption1_; }
  void SetCaption1(const QString &caption) { caption1_ = caption; }
  QString Caption2() const { return caption2_; }
  void SetCaption2(const QString &caption) { caption2_ = caption; }
  TCaption2Placement Caption2Placement() const { return placement_; }
  void SetCaption2Placement(TCaption2Placement p) { placement_ = p; }

  // The cell of column `col` in row 0.
  QString ColumnTitle(int col) const { return Cells(col, 0); }
  void SetColumnTitle(int col, const QString &title) { SetCells(col, 0, title); }

  // Cells outside the grid read as empty; writing them does nothing.
  QString Cells(int col, int row) const;
  void SetCells(int col, int row, const QString &text);

  int RowCount() const { return rowCount(); }
  void SetRowCount(int rows);
  int ColCount() const { return columnCount(); }
  void SetColCount(int cols);
  int FixedRows() const { return fixedRows_; }
  void SetFixedRows(int rows);
  int FixedCols() const { return fixedCols_; }
  void SetFixedCols(int cols);
  int DefaultRowHeight() const;
  void SetDefaultRowHeight(int height);
  int DefaultColWidth() const;

  // Writes the grid file; shows "<name> is not a valid file name." and
  // returns false when it cannot be written.
  bool SaveToFile(const QString &fileName);
  // Applies a grid file on top of the grid (cells are not cleared first).
  // Does nothing and returns false for a missing file; a malformed file is
  // applied up to its first bad line, with a message naming it.
  bool LoadFromFile(const QString &fileName);
  void Save();
  void Load();

  // Appends the grid to `lines` as an HTML table (column 0 left out).
  void WriteHTML(QStringList &lines) const;

  // Adds an empty row at `row`, shifting that row and those below down.
  void InsertRow(int row);
  // Removes row `row`.
  void DeleteRow(int row);
  // Stores the text of a cell being edited and closes its editor.
  void EndEditing();
  // Widens each column that is too narrow for the texts it holds now.
  void FitColumnsToText();

 protected:
  // Whether the cell may become the current cell; by default every cell
  // outside the fixed rows and columns.
  virtual bool SelectCell(int col, int row) const;
  // Re-applies SelectCell and the fixed-cell look to every cell.
  void RefreshCellFlags();
  // The text of the current cell as the user sees it, the editor's while
  // one is open.
  QString CurrentCellText() const;
  void SetCurrentCellText(const QString &text);
  // The editor open on the current cell, if any.
  QWidget *OpenEditor() const;

  void keyPressEvent(QKeyEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
  // Keys the grid handles before the cell editor would (Insert, Ctrl+Delete,
  // Down on the last row); true when consumed. Pressed in an open cell
  // editor, Insert and Ctrl+Delete are consumed there and handled here just
  // after the editor's event.
  virtual bool HandleGridKey(QKeyEvent *event);
  // Called whenever a cell editor has stored its text in cell (col, row),
  // from inside the editor's own event handling: an override must not show
  // a message or touch the editor, but may queue work for later.
  virtual void EditCommitted(int col, int row) {
    Q_UNUSED(col);
    Q_UNUSED(row);
  }

 private:
  friend class TqvStringGridDelegate;

  QChar delimiter_ = u'|';
  bool autoBackup_ = true;
  bool autoSave_ = true;
  QString fileName_;
  QString caption1_;
  QString caption2_;
  TCaption2Placement placement_ = TCaption2Placement::cpTop;
  int fixedRows_ = 1;
  int fixedCols_ = 1;
  bool refreshing_ = false;
};
