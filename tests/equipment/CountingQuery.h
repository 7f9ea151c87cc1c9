#pragma once
// A query double for the pick-list tests: it runs its text on a real query
// and counts how often it ran.

#include <memory>

#include "equipment/Database.h"

namespace tfd::test {

class TCountingQuery final : public IQuery {
 public:
  explicit TCountingQuery(std::unique_ptr<IQuery> inner) : inner_(std::move(inner)) {}
  bool Eof() const override { return inner_->Eof(); }
  void First() override { inner_->First(); }
  void Next() override { inner_->Next(); }
  int ColumnIndex(std::string_view c) const override { return inner_->ColumnIndex(c); }
  std::int16_t AsSmallInt(int c) const override { return inner_->AsSmallInt(c); }
  std::int64_t AsInteger(int c) const override { return inner_->AsInteger(c); }
  double AsFloat(int c) const override { return inner_->AsFloat(c); }
  std::string AsString(int c) const override { return inner_->AsString(c); }
  void Close() override { inner_->Close(); }
  void Open() override {
    ++Opens;
    inner_->ClearText();
    inner_->AddLine(Text());
    inner_->Open();
  }
  bool Active() const override { return inner_->Active(); }
  int Opens = 0;

 private:
  std::unique_ptr<IQuery> inner_;
};

}  // namespace tfd::test
