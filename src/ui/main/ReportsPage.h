#pragma once
// The Reports tab: the ratings of the current configuration (battle value,
// cost, value for money), physical attacks, heat, the summary gauges and the
// graph of damage and heat against range with its click readout. It owns the
// graph options, which live for the run.

#include <QWidget>
#include <cstdint>
#include <memory>

namespace Ui {
class ReportsPage;
}

namespace tfd {

class IDesignHost;
class TComponentMenus;
class TGraph;

class TReportsPage : public QWidget {
  Q_OBJECT

 public:
  TReportsPage(IDesignHost& host, TComponentMenus& menus, QWidget* parent = nullptr);
  ~TReportsPage() override;

  // The Reports section of the refresh: runs the ratings and the damage and
  // heat by range with the graph options, then shows them.
  void Refresh();
  // Shows range n (kept within 1..30) with the design's damage and heat there.
  void SetReadout(int range);
  int ReadoutRange() const { return readoutRange_; }
  // The readout text of the graph's tooltip for range n.
  QString ReadoutText(int range) const;

  std::uint8_t GraphOptions() const { return graphOptions_; }
  void SetGraphOptions(std::uint8_t options);

  TGraph* Graph() const;

 signals:
  void battleValueRequested();
  void costRequested();

 private:
  void grphDmg_MouseDown(double x);
  void grphDmg_PointerMoved(double x);
  void RefreshGraph();

  IDesignHost& host_;
  std::unique_ptr<Ui::ReportsPage> ui_;
  std::uint8_t graphOptions_ = 0;
  int readoutRange_ = 1;
};

}  // namespace tfd
