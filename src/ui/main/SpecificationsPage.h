#pragma once
// The Specifications tab: the design's type name, the makers of its chassis,
// power plant, jump jets, armour, communications and targeting systems, its
// manufacturers, the brands of its armament, its overview and its source.
// Every box shows the design's own text and stores an edit back at once.

#include <QWidget>
#include <memory>

#include "equipment/SpecsLists.h"

class QComboBox;

namespace Ui {
class SpecificationsPage;
}

namespace tfd {

class IDesignHost;
class IQuery;

class TSpecificationsPage : public QWidget {
  Q_OBJECT

 public:
  explicit TSpecificationsPage(IDesignHost& host, QWidget* parent = nullptr);
  ~TSpecificationsPage() override;

  // The Specifications section of the refresh.
  void Refresh(QObject* sender);
  // What a new design starts with besides its own empty texts: no pending
  // manufacturer text, no armament entry chosen, no jump-jet entry picked.
  void Reset();
  // The power-plant text of the box rebuilt for the design's engine and stored.
  void RebuildPowerPlant();
  // The design's power-plant text rebuilt for its new engine.
  void EngineChanged();
  // The engine makers as the power-plant list holds them, for a load.
  const TEngineMakers& Makers() const { return lists_.Makers(); }
  const TSpecsLists& Lists() const { return lists_; }
  // The query the pick lists are read through (a test counts its runs).
  void SetQuery(std::unique_ptr<IQuery> query);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowList(QComboBox* box, const TPickList& list, unsigned& shownRevision);
  void ShowManufacturers();
  void ShowArmament();
  void ShowOverview();
  IQuery& Query();

  void edtType_Change();
  void DesignText_Change(QComboBox* box, int text);
  void cbPowPlnt_Exit();
  void memoRemarks_Change();
  void cbDate_Change(int entry);
  void btnAddMfg_Click();
  void btnChangeMfg_Click();
  void btnDelMfg_Click();
  void lbMfg_Click();
  void lbWeps_Click();
  void cbWeps_Exit();
  void btnClrSpec_Click();
  // The design changed; `step` names the undo step.
  void Edited(const QString& step);

  IDesignHost& host_;
  std::unique_ptr<Ui::SpecificationsPage> ui_;
  std::unique_ptr<IQuery> query_;
  TSpecsLists lists_;
  // The entries' revisions each box shows: a box is refilled only when its
  // list changed.
  unsigned chassisShown_ = 0, plantShown_ = 0, jetsShown_ = 0, armorShown_ = 0, comShown_ = 0, ttShown_ = 0,
           mfgShown_ = 0, brandShown_ = 0;
  // The armament entry chosen, by its equipment identifier (-1: none).
  int chosenBrand_ = -1;
};

}  // namespace tfd
