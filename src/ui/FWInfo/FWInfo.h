#pragma once
// The "Framewarden Information" window: one roster position's pilot, with
// the battle-value multiplier that the skills give.

#include <QDialog>
#include <memory>

#include "model/UnitRoster.h"

namespace Ui {
class frmFWInfo;
}

namespace tfd {

class TfrmFWInfo : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmFWInfo(QWidget* parent = nullptr);
  ~TfrmFWInfo() override;

  void SetPilot(const TPilot& pilot);
  // The pilot as edited; its multiplier follows the skills.
  TPilot Pilot() const;

 private:
  void ShowMultiplier();

  std::unique_ptr<Ui::frmFWInfo> ui_;
};

}  // namespace tfd
