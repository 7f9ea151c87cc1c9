#include "model/Weapon.h"

#include <algorithm>

namespace tfd {

void TakeRowValues(TWeapon& w, const TWepInfoStruct& row) {
  w.Heat = row.Heat;
  w.Damage = row.Damage;
  w.Ranges = {row.MinRange, row.ShortRange, row.MediumRange, row.LongRange};
  w.Tons = row.Tons;
  w.BV = row.BV;
  w.Cost = row.Cost;
}

std::unique_ptr<TWeapon> MakeWeapon(const TWepInfoStruct& row, EItemSource source) {
  auto w = std::make_unique<TWeapon>();
  w->Name = row.Name;
  w->Abbrev = row.Abbrev;
  w->IdNum = row.IdNum;
  w->SaveNum = row.SaveNum;
  w->Slots = row.Crits;
  w->Options = row.Options;
  TakeRowValues(*w, row);
  if (source == EItemSource::Read) return w;
  w->SlotsFirst = row.Crits;
  if (w->IsAmmo()) {
    w->BV *= static_cast<double>(row.Tons);
    w->Cost *= static_cast<double>(row.Tons);
  }
  return w;
}

// ---- TWeaponList ----

void TWeaponList::Clear() {
  items_.clear();
  cursor_ = items_.end();
}

TWeapon* TWeaponList::Insert(std::unique_ptr<TWeapon> item) {
  items_.push_back(std::move(item));
  return items_.back().get();
}

void TWeaponList::Delete(const TWeapon* item) {
  auto it = std::find_if(items_.begin(), items_.end(), [item](const auto& p) { return p.get() == item; });
  if (it == items_.end()) return;
  const bool atCursor = cursor_ == it;
  auto next = items_.erase(it);
  if (atCursor) cursor_ = next;
}

TWeapon* TWeaponList::FirstEntry() {
  cursor_ = items_.begin();
  return cursor_ == items_.end() ? nullptr : cursor_->get();
}

TWeapon* TWeaponList::NextEntry() {
  if (cursor_ == items_.end()) return nullptr;
  ++cursor_;
  return cursor_ == items_.end() ? nullptr : cursor_->get();
}

bool TWeaponList::Last() const { return cursor_ != items_.end() && std::next(cursor_) == items_.end(); }

int TWeaponList::IndexOf(const TWeapon* item) const {
  int i = 0;
  for (const auto& p : items_) {
    if (p.get() == item) return i;
    ++i;
  }
  return -1;
}

TWeapon* TWeaponList::AddrOf(int index) const {
  if (index < 0) return nullptr;
  for (const auto& p : items_)
    if (index-- == 0) return p.get();
  return nullptr;
}

// ---- TWeaponNameList ----

void TWeaponNameList::Clear() {
  entries_.clear();
  cursor_ = entries_.end();
}

bool TWeaponNameList::Insert(std::int16_t id, const std::string& name) {
  auto it = std::find_if(entries_.begin(), entries_.end(), [id](const TWepName& e) { return e.Id >= id; });
  if (it != entries_.end() && it->Id == id) {
    ++it->Uses;
    return false;
  }
  entries_.insert(it, TWepName{id, 1, {}, name});
  return true;
}

void TWeaponNameList::Delete(std::int16_t id) {
  auto it = std::find_if(entries_.begin(), entries_.end(), [id](const TWepName& e) { return e.Id == id; });
  if (it == entries_.end()) return;
  if (--it->Uses > 0) return;
  const bool atCursor = cursor_ == it;
  auto next = entries_.erase(it);
  if (atCursor) cursor_ = next;
}

TWepName* TWeaponNameList::FirstEntry() {
  cursor_ = entries_.begin();
  return cursor_ == entries_.end() ? nullptr : &*cursor_;
}

TWepName* TWeaponNameList::NextEntry() {
  if (cursor_ == entries_.end()) return nullptr;
  ++cursor_;
  return cursor_ == entries_.end() ? nullptr : &*cursor_;
}

bool TWeaponNameList::Last() const {
  return cursor_ != entries_.end() && std::next(cursor_) == entries_.end();
}

void TWeaponNameList::ChangeBrand(std::int16_t id, const std::string& brand) {
  for (auto& e : entries_)
    if (e.Id == id) e.Brand = brand;
}

const TWepName* TWeaponNameList::Find(std::int16_t id) const {
  for (const auto& e : entries_)
    if (e.Id == id) return &e;
  return nullptr;
}

}  // namespace tfd
