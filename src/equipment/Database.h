#pragma once
// The database as the equipment, manufacturer and colour-scheme code sees it:
// queries built from SQL text lines whose rows come back in ORDER BY order,
// fields read by column name as a small integer, integer, float or string, and
// table cursors that walk, append, edit, post and delete rows. The engine
// behind it lives outside the core (src/db).
//
// Every column has a declared class. Reading a field as another class, reading
// a column the row does not have, or a value that does not fit its class is an
// error (TDatabaseError), never a silent conversion.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tfd {

class TDatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class EFieldClass : std::uint8_t { SmallInt, Integer, Float, String };

std::string_view FieldClassName(EFieldClass c);

// The rows of a query, one at a time.
class IRowSource {
 public:
  virtual ~IRowSource() = default;

  virtual bool Eof() const = 0;
  virtual void First() = 0;
  virtual void Next() = 0;

  // Position of a column in the rows, -1 when there is none.
  virtual int ColumnIndex(std::string_view column) const = 0;

  // Reads by position (from ColumnIndex) or by name. An empty field reads as 0
  // or as an empty text. A small integer must lie within 16 bits.
  virtual std::int16_t AsSmallInt(int column) const = 0;
  virtual std::int64_t AsInteger(int column) const = 0;
  virtual double AsFloat(int column) const = 0;
  virtual std::string AsString(int column) const = 0;

  std::int16_t AsSmallInt(std::string_view column) const { return AsSmallInt(Require(column)); }
  std::int64_t AsInteger(std::string_view column) const { return AsInteger(Require(column)); }
  double AsFloat(std::string_view column) const { return AsFloat(Require(column)); }
  std::string AsString(std::string_view column) const { return AsString(Require(column)); }

  // The position of a column the caller cannot do without.
  int Require(std::string_view column) const;
};

// A query: close, clear, add the SQL lines, open, walk the rows.
class IQuery : public IRowSource {
 public:
  virtual void Close() = 0;
  virtual void Open() = 0;  // runs the text; the cursor stands on the first row
  virtual bool Active() const = 0;

  void ClearText() { text_.clear(); }
  void AddLine(std::string_view line) {
    text_.append(line);
    text_.push_back('\n');
  }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// A cursor on one table. Append and Edit start a row in edit state; the Set...
// calls fill it; Post writes it as one transaction (a row is never half
// written) and Cancel drops it. Delete removes the current row; the cursor then
// stands on the row that followed it.
class ITable : public IRowSource {
 public:
  virtual void Open() = 0;
  virtual void Close() = 0;
  virtual bool Active() const = 0;

  virtual void Append() = 0;
  virtual void Edit() = 0;
  virtual void SetString(std::string_view column, std::string_view value) = 0;
  virtual void SetInteger(std::string_view column, std::int64_t value) = 0;
  virtual void Post() = 0;
  virtual void Cancel() = 0;
  virtual void Delete() = 0;
};

class IDatabase {
 public:
  virtual ~IDatabase() = default;
  virtual std::unique_ptr<IQuery> NewQuery() = 0;
  virtual std::unique_ptr<ITable> NewTable(std::string_view name) = 0;
  // Runs statements that return no rows (creating a table, say).
  virtual void Execute(std::string_view sql) = 0;
  virtual const std::string& Path() const = 0;
};

}  // namespace tfd
