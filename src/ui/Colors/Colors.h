#pragma once
// "HTML Options": the text and background colours of HTML readout pages as
// red, green and blue channels (stepped 0, 16, ..., 240, 255), the background
// texture and the header and footer choices. OK stores them in the settings;
// Cancel stores nothing.

#include <QDialog>
#include <array>
#include <memory>

#include "files/HtmlSettings.h"

class QLabel;

namespace Ui {
class frmColor;
}

namespace tfd {

class TSpinEdit;

class TfrmColor : public QDialog {
  Q_OBJECT

 public:
  TfrmColor(THtmlSettings& settings, QWidget* parent = nullptr);
  ~TfrmColor() override;

  // The channels as the window shows them: red, green, blue.
  std::array<int, 3> TextChannels() const;
  std::array<int, 3> BackChannels() const;
  // Redraws the hexadecimal labels, the swatches and the sample.
  void RefreshColors();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  using TChannels = std::array<TSpinEdit*, 3>;
  void LoadSettings();
  void StepChannel(TSpinEdit* edit, int steps);
  void PickColor(const TChannels& channels);
  void chkTexture_Click();
  void btnOK_Click();

  std::unique_ptr<Ui::frmColor> ui_;
  THtmlSettings& settings_;
  TChannels text_{};
  TChannels back_{};
};

}  // namespace tfd
