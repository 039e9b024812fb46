#include "text_printing.h"

#include <QCoreApplication>

namespace lumo::controls {

QStringList WrapLine(const QString &line, int width,
                     const std::function<int(const QString &)> &measure) {
  if (line.isEmpty() || width <= 0 || measure(line) <= width) return {line};
  QStringList pieces;
  QString current;
  const QStringList words = line.split(u' ');
  for (qsizetype i = 0; i < words.size(); ++i) {
    QString word = words[i];
    const QString joined = current.isEmpty() && i == 0 ? word : current + u' ' + word;
    if (measure(joined) <= width) {
      current = joined;
      continue;
    }
    if (!current.isEmpty()) pieces << current;
    // A word wider than the page on its own is cut where it must be.
    while (measure(word) > width && word.size() > 1) {
      qsizetype n = word.size() - 1;
      while (n > 1 && measure(word.left(n)) > width) --n;
      pieces << word.left(n);
      word = word.mid(n);
    }
    current = word;
  }
  pieces << current;
  return pieces;
}

bool PrintViewerText(PrintCanvas &canvas, const QString &title, const PrintFont &headingFont,
                     const PrintFont &bodyFont, const QStringList &lines) {
  if (!canvas.BeginDoc(title)) return false;
  const int h = std::max(
      1, static_cast<int>(1.5 * PixelHeight(canvas.Font().pointSize, canvas.VerticalDpi())));
  const int x = canvas.PageWidth() * 10 / 215;
  canvas.SetFont(headingFont);
  canvas.TextOut(x, h, title);
  canvas.SetFont(bodyFont);
  const int width = canvas.PageWidth() - 2 * x;
  auto measure = [&canvas](const QString &s) { return canvas.TextWidth(s); };
  int lineNo = 3;
  for (const QString &line : lines) {
    for (const QString &piece : WrapLine(line, width, measure)) {
      if ((lineNo + 1) * h > canvas.PageHeight()) {
        canvas.NewPage();
        lineNo = 2;
      }
      canvas.TextOut(x, lineNo * h, piece);
      ++lineNo;
    }
  }
  canvas.EndDoc();
  return true;
}

bool PrintHelpButtonsText(PrintCanvas &canvas, const QString &heading, const PrintFont &headingFont,
                          const PrintFont &bodyFont, const QStringList &lines) {
  if (!canvas.BeginDoc(heading)) return false;
  const int l = std::max(1, 2 * PixelHeight(canvas.Font().pointSize, canvas.VerticalDpi()));
  canvas.SetFont(headingFont);
  canvas.TextOut(canvas.PageWidth() * 90 / 215, l, heading);
  canvas.SetFont(bodyFont);
  const int x = canvas.PageWidth() * 10 / 215;
  for (int k = 1; k <= lines.size(); ++k) canvas.TextOut(x, (k + 2) * l, lines[k - 1]);
  canvas.EndDoc();
  return true;
}

}  // namespace lumo::controls
