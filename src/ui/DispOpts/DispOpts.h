#pragma once
// "Display Options": the nine display colours one by one, named colour
// schemes (two built in, the rest in the user's scheme table) and the speed of
// the error light with a live preview. The window works on a copy of the
// colours; the main window takes them over only after OK.

#include <QDialog>
#include <QTimer>
#include <array>
#include <memory>

#include "equipment/ColorSchemes.h"

class QToolButton;

namespace Ui {
class frmDispOpts;
}

namespace tfd {

class TfrmDispOpts : public QDialog {
  Q_OBJECT

 public:
  TfrmDispOpts(TColorSchemeStore& store, QWidget* parent = nullptr);
  ~TfrmDispOpts() override;

  // The colours and the speed the window starts from; after OK, what the
  // user chose.
  void SetWorkingSet(const TColorSet& colors) { working_ = colors; }
  const TColorSet& WorkingSet() const { return working_; }
  void SetSpeed(int speed) { speed_ = speed; }
  int Speed() const { return speed_; }

  // The preview's frame (0 while the light stands still) and whether it runs.
  int PreviewFrame() const { return previewFrame_; }
  bool PreviewRunning() const { return preview_.isActive(); }
  int PreviewInterval() const { return preview_.interval(); }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void PaintSwatches();
  void FillSchemes();
  void cbSchemes_Change(const QString& text);
  void PickColor(std::size_t index);
  void btnNew_Click();
  void btnUpdate_Click();
  void btnDelete_Click();
  void btnOK_Click();
  void tbSpeed_Change(int position);
  void AdvancePreview();
  void StopPreview();
  // Shows a scheme-table error; a store that never opened says so only once.
  void ReportStoreError(const QString& text);

  std::unique_ptr<Ui::frmDispOpts> ui_;
  TColorSchemeStore& store_;
  std::array<QToolButton*, 9> swatches_{};
  TColorSet working_{};
  int speed_ = kDefaultErrorLightSpeed;
  QTimer preview_;
  int previewFrame_ = 0;
  bool filling_ = false;
  bool unavailableReported_ = false;
};

}  // namespace tfd
