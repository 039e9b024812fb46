// Shared helpers of the report tests: the default scenario as the program
// starts with it, a real engine run carried out synchronously, and a canvas
// that lets a test read what the report window printed.
#pragma once

#include <QString>
#include <memory>
#include <string>

#include "lumo_transfer.h"
#include "print_canvas.h"
#include "recording_canvas.h"

namespace lumo::report::test {

// The scenario the program starts with (default chemical from Chems.dat in
// the program's directory), saved under `scenarioPath` so that its run
// writes the concentration file next to it. Null, with `error` set, when the
// chemical list cannot be read.
std::unique_ptr<LumoTransfer> StartupScenario(const QString &scenarioPath, std::string *error);

// Runs the engine on `scenario` and waits for the end; the results are
// copied into the scenario. False, with `error` set, when the run failed.
bool RunToEnd(LumoTransfer &scenario, std::string *error);

// Forwards every call to a RecordingCanvas the test keeps, so a canvas
// handed to the window (which owns it) can still be read.
class ForwardingCanvas : public controls::PrintCanvas {
 public:
  explicit ForwardingCanvas(controls::RecordingCanvas &target) : t_(target) {}
  bool BeginDoc(const QString &title) override { return t_.BeginDoc(title); }
  void EndDoc() override { t_.EndDoc(); }
  int PageWidth() const override { return t_.PageWidth(); }
  int PageHeight() const override { return t_.PageHeight(); }
  int VerticalDpi() const override { return t_.VerticalDpi(); }
  void SetFont(const controls::PrintFont &font) override { t_.SetFont(font); }
  controls::PrintFont Font() const override { return t_.Font(); }
  void TextOut(int x, int y, const QString &text) override { t_.TextOut(x, y, text); }
  int TextWidth(const QString &text) const override { return t_.TextWidth(text); }
  void Line(int x1, int y1, int x2, int y2) override { t_.Line(x1, y1, x2, y2); }
  void NewPage() override { t_.NewPage(); }
  void Image(const QRect &target, const QImage &image) override { t_.Image(target, image); }

 private:
  controls::RecordingCanvas &t_;
};

// Installs a printer chooser that hands out ForwardingCanvas objects on
// `target` and counts how often it was asked; restores the previous one
// when it goes.
class ChooserScope {
 public:
  explicit ChooserScope(controls::RecordingCanvas &target);
  ~ChooserScope();
  int Calls() const { return *calls_; }

 private:
  std::shared_ptr<int> calls_ = std::make_shared<int>(0);
  controls::PrinterChooser previous_;
};

}  // namespace lumo::report::test
