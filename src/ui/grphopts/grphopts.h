#pragma once
// The graph options window: seven switches that say how the Reports graph
// counts damage and heat. OK takes the boxes as the new set; Cancel keeps the
// set as it was.

#include <QDialog>
#include <cstdint>
#include <memory>

class QCheckBox;

namespace Ui {
class frmGrphOpts;
}

namespace tfd {

class TfrmGrphOpts : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmGrphOpts(QWidget* parent = nullptr);
  ~TfrmGrphOpts() override;

  // Shows the window modally with the boxes of `options` checked; on OK the
  // set becomes the checked boxes' bits. True when closed with OK.
  bool Edit(std::uint8_t& options);

  // The options the boxes show now.
  std::uint8_t Checked() const;
  void Check(std::uint8_t options);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::unique_ptr<Ui::frmGrphOpts> ui_;
};

}  // namespace tfd
