#include "db/SqliteDatabase.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <utility>
#include <variant>
#include <vector>

namespace tfd {

namespace {

using Connection = std::shared_ptr<sqlite3>;

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string Upper(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return r;
}

// The class a declared column type stands for; no declared type (an
// expression) is told by the value it holds.
struct ColumnInfo {
  std::string name;
  bool declared = false;
  EFieldClass cls = EFieldClass::String;
};

ColumnInfo DescribeColumn(const char* name, const char* decl) {
  ColumnInfo c;
  c.name = name ? name : "";
  if (!decl || !*decl) return c;
  const std::string t = Upper(decl);
  c.declared = true;
  if (t == "SMALLINT")
    c.cls = EFieldClass::SmallInt;
  else if (t.find("INT") != std::string::npos)
    c.cls = EFieldClass::Integer;
  else if (t.find("FLOA") != std::string::npos || t.find("REAL") != std::string::npos ||
           t.find("DOUB") != std::string::npos)
    c.cls = EFieldClass::Float;
  else if (t.find("CHAR") != std::string::npos || t.find("TEXT") != std::string::npos ||
           t.find("CLOB") != std::string::npos)
    c.cls = EFieldClass::String;
  else
    c.declared = false;  // an unknown declaration: judged by the value
  return c;
}

[[noreturn]] void Fail(sqlite3* db, const std::string& what) {
  throw TDatabaseError(what + (db ? std::string(": ") + sqlite3_errmsg(db) : std::string()));
}

// A field value held in memory (table cursors keep their rows).
using Value = std::variant<std::monostate, std::int64_t, double, std::string>;

int ValueType(const Value& v) {
  switch (v.index()) {
    case 1: return SQLITE_INTEGER;
    case 2: return SQLITE_FLOAT;
    case 3: return SQLITE_TEXT;
    default: return SQLITE_NULL;
  }
}

// The class checks shared by queries and tables.
class FieldReader {
 protected:
  std::vector<ColumnInfo> columns_;

  const ColumnInfo& Column(int i) const {
    if (i < 0 || i >= static_cast<int>(columns_.size()))
      throw TDatabaseError("Field number " + std::to_string(i) + " not found");
    return columns_[static_cast<std::size_t>(i)];
  }
  int Find(std::string_view name) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
      if (SameName(columns_[i].name, name)) return static_cast<int>(i);
    return -1;
  }
  // Declared class against the class asked for (an integer read takes a small
  // integer column too: that widening loses nothing).
  void CheckClass(const ColumnInfo& c, EFieldClass wanted) const {
    if (!c.declared) return;
    const bool ok = c.cls == wanted || (wanted == EFieldClass::Integer && c.cls == EFieldClass::SmallInt);
    if (!ok)
      throw TDatabaseError("Type mismatch for field '" + c.name +
                           "', expecting: " + std::string(FieldClassName(wanted)) +
                           " actual: " + std::string(FieldClassName(c.cls)));
  }
  [[noreturn]] static void BadValue(const ColumnInfo& c, EFieldClass wanted) {
    throw TDatabaseError("Field '" + c.name + "' holds a value that is not a valid " +
                         std::string(FieldClassName(wanted)));
  }
  std::int64_t IntegerOf(const ColumnInfo& c, int type, std::int64_t v, EFieldClass wanted) const {
    CheckClass(c, wanted);
    if (type == SQLITE_NULL) return 0;
    if (type != SQLITE_INTEGER) BadValue(c, wanted);
    if (wanted == EFieldClass::SmallInt && (v < -32768 || v > 32767)) BadValue(c, wanted);
    return v;
  }
  double FloatOf(const ColumnInfo& c, int type, double v) const {
    CheckClass(c, EFieldClass::Float);
    if (type == SQLITE_NULL) return 0.0;
    if (type != SQLITE_INTEGER && type != SQLITE_FLOAT) BadValue(c, EFieldClass::Float);
    return v;
  }
  void CheckString(const ColumnInfo& c, int type) const {
    CheckClass(c, EFieldClass::String);
    if (type != SQLITE_NULL && type != SQLITE_TEXT) BadValue(c, EFieldClass::String);
  }
};

class SqliteQuery final : public IQuery, private FieldReader {
 public:
  explicit SqliteQuery(Connection db) : db_(std::move(db)) {}
  ~SqliteQuery() override { Close(); }

  void Close() override {
    if (stmt_) sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    columns_.clear();
    row_ = false;
  }

  void Open() override {
    Close();
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_.get(), Text().c_str(), static_cast<int>(Text().size()), &stmt_, &tail) !=
        SQLITE_OK) {
      stmt_ = nullptr;
      Fail(db_.get(), "Cannot open query");
    }
    if (!stmt_) throw TDatabaseError("Cannot open query: the query text is empty");
    const int n = sqlite3_column_count(stmt_);
    columns_.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
      columns_.push_back(DescribeColumn(sqlite3_column_name(stmt_, i), sqlite3_column_decltype(stmt_, i)));
    Step();
  }
  bool Active() const override { return stmt_ != nullptr; }

  bool Eof() const override { return !row_; }
  void First() override {
    RequireOpen();
    sqlite3_reset(stmt_);
    Step();
  }
  void Next() override {
    RequireOpen();
    if (row_) Step();
  }

  int ColumnIndex(std::string_view column) const override { return Find(column); }

  std::int16_t AsSmallInt(int i) const override {
    const auto& c = Current(i);
    return static_cast<std::int16_t>(
        IntegerOf(c, Type(i), sqlite3_column_int64(stmt_, i), EFieldClass::SmallInt));
  }
  std::int64_t AsInteger(int i) const override {
    const auto& c = Current(i);
    return IntegerOf(c, Type(i), sqlite3_column_int64(stmt_, i), EFieldClass::Integer);
  }
  double AsFloat(int i) const override {
    const auto& c = Current(i);
    return FloatOf(c, Type(i), sqlite3_column_double(stmt_, i));
  }
  std::string AsString(int i) const override {
    const auto& c = Current(i);
    const int type = Type(i);
    CheckString(c, type);
    const auto* text = sqlite3_column_text(stmt_, i);
    return text ? std::string(reinterpret_cast<const char*>(text),
                              static_cast<std::size_t>(sqlite3_column_bytes(stmt_, i)))
                : std::string();
  }

 private:
  void RequireOpen() const {
    if (!stmt_) throw TDatabaseError("Cannot perform this operation on a closed dataset");
  }
  void Step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
      row_ = true;
    else if (rc == SQLITE_DONE)
      row_ = false;
    else {
      row_ = false;
      Fail(db_.get(), "Cannot read query");
    }
  }
  const ColumnInfo& Current(int i) const {
    RequireOpen();
    const ColumnInfo& c = Column(i);
    if (!row_) throw TDatabaseError("No current record (field '" + c.name + "')");
    return c;
  }
  int Type(int i) const { return sqlite3_column_type(stmt_, i); }

  Connection db_;
  sqlite3_stmt* stmt_ = nullptr;
  bool row_ = false;
};

// RAII for a prepared statement.
struct Statement {
  sqlite3_stmt* s = nullptr;
  Statement(sqlite3* db, const std::string& sql) {
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &s, nullptr) != SQLITE_OK) {
      s = nullptr;
      Fail(db, "Cannot prepare statement");
    }
  }
  ~Statement() { sqlite3_finalize(s); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
};

std::string Quoted(std::string_view name) {
  std::string r = "\"";
  for (char c : name) {
    if (c == '"') r.push_back('"');
    r.push_back(c);
  }
  r.push_back('"');
  return r;
}

// A table cursor over a snapshot of the table's rows, taken on opening and
// renewed after every write.
class SqliteTable final : public ITable, private FieldReader {
 public:
  SqliteTable(Connection db, std::string_view name) : db_(std::move(db)), name_(name) {}

  void Open() override {
    Load();
    pos_ = 0;
    active_ = true;
  }
  void Close() override {
    active_ = false;
    rows_.clear();
    state_ = State::Browse;
  }
  bool Active() const override { return active_; }

  bool Eof() const override { return !active_ || pos_ >= rows_.size(); }
  void First() override {
    RequireOpen();
    pos_ = 0;
  }
  void Next() override {
    RequireOpen();
    if (pos_ < rows_.size()) ++pos_;
  }
  int ColumnIndex(std::string_view column) const override { return Find(column); }

  std::int16_t AsSmallInt(int i) const override {
    const Value& v = Field(i);
    return static_cast<std::int16_t>(IntegerOf(Column(i), ValueType(v), IntOf(v), EFieldClass::SmallInt));
  }
  std::int64_t AsInteger(int i) const override {
    const Value& v = Field(i);
    return IntegerOf(Column(i), ValueType(v), IntOf(v), EFieldClass::Integer);
  }
  double AsFloat(int i) const override {
    const Value& v = Field(i);
    const double d = v.index() == 2 ? std::get<double>(v) : static_cast<double>(IntOf(v));
    return FloatOf(Column(i), ValueType(v), d);
  }
  std::string AsString(int i) const override {
    const Value& v = Field(i);
    CheckString(Column(i), ValueType(v));
    return v.index() == 3 ? std::get<std::string>(v) : std::string();
  }

  void Append() override {
    RequireBrowse();
    buffer_.assign(columns_.size(), Value{});
    state_ = State::Insert;
  }
  void Edit() override {
    RequireBrowse();
    if (Eof()) throw TDatabaseError("Cannot edit: no current record");
    buffer_ = rows_[pos_].values;
    state_ = State::Edit;
  }
  void SetString(std::string_view column, std::string_view value) override {
    const int i = Settable(column);
    CheckClass(Column(i), EFieldClass::String);
    buffer_[static_cast<std::size_t>(i)] = std::string(value);
  }
  void SetInteger(std::string_view column, std::int64_t value) override {
    const int i = Settable(column);
    const ColumnInfo& c = Column(i);
    CheckClass(c, EFieldClass::Integer);
    if (c.cls == EFieldClass::SmallInt && (value < -32768 || value > 32767))
      BadValue(c, EFieldClass::SmallInt);
    buffer_[static_cast<std::size_t>(i)] = value;
  }
  void Post() override {
    if (state_ == State::Browse) return;
    std::string sql;
    if (state_ == State::Insert) {
      std::string names, marks;
      for (std::size_t i = 0; i < columns_.size(); ++i) {
        names += (i ? "," : "") + Quoted(columns_[i].name);
        marks += i ? ",?" : "?";
      }
      sql = "INSERT INTO " + Quoted(name_) + " (" + names + ") VALUES (" + marks + ")";
    } else {
      std::string sets;
      for (std::size_t i = 0; i < columns_.size(); ++i)
        sets += (i ? "," : "") + Quoted(columns_[i].name) + "=?";
      sql = "UPDATE " + Quoted(name_) + " SET " + sets + " WHERE rowid=?";
    }
    std::int64_t rowid = state_ == State::Edit ? rows_[pos_].rowid : 0;
    Transaction([&] {
      Statement st(db_.get(), sql);
      int k = 1;
      for (const Value& v : buffer_) Bind(st.s, k++, v);
      if (state_ == State::Edit) sqlite3_bind_int64(st.s, k, rowid);
      if (sqlite3_step(st.s) != SQLITE_DONE) Fail(db_.get(), "Cannot post record");
      if (state_ == State::Insert) rowid = sqlite3_last_insert_rowid(db_.get());
    });
    state_ = State::Browse;
    Load();
    pos_ = rows_.size();
    for (std::size_t i = 0; i < rows_.size(); ++i)
      if (rows_[i].rowid == rowid) pos_ = i;
  }
  void Cancel() override { state_ = State::Browse; }
  void Delete() override {
    RequireBrowse();
    if (Eof()) throw TDatabaseError("Cannot delete: no current record");
    const std::int64_t rowid = rows_[pos_].rowid;
    Transaction([&] {
      Statement st(db_.get(), "DELETE FROM " + Quoted(name_) + " WHERE rowid=?");
      sqlite3_bind_int64(st.s, 1, rowid);
      if (sqlite3_step(st.s) != SQLITE_DONE) Fail(db_.get(), "Cannot delete record");
    });
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(pos_));
  }

 private:
  enum class State { Browse, Insert, Edit };
  struct Row {
    std::int64_t rowid = 0;
    std::vector<Value> values;
  };

  static std::int64_t IntOf(const Value& v) { return v.index() == 1 ? std::get<std::int64_t>(v) : 0; }

  void RequireOpen() const {
    if (!active_) throw TDatabaseError("Cannot perform this operation on a closed dataset");
  }
  void RequireBrowse() const {
    RequireOpen();
    if (state_ != State::Browse) throw TDatabaseError("Dataset not in browse mode");
  }
  int Settable(std::string_view column) {
    if (state_ == State::Browse) throw TDatabaseError("Dataset not in edit or insert mode");
    return Require(column);
  }
  const Value& Field(int i) const {
    RequireOpen();
    const ColumnInfo& c = Column(i);
    if (state_ != State::Browse) return buffer_[static_cast<std::size_t>(i)];
    if (Eof()) throw TDatabaseError("No current record (field '" + c.name + "')");
    return rows_[pos_].values[static_cast<std::size_t>(i)];
  }

  void Load() {
    Statement st(db_.get(), "SELECT rowid, * FROM " + Quoted(name_) + " ORDER BY rowid");
    const int n = sqlite3_column_count(st.s);
    columns_.clear();
    for (int i = 1; i < n; ++i)
      columns_.push_back(DescribeColumn(sqlite3_column_name(st.s, i), sqlite3_column_decltype(st.s, i)));
    rows_.clear();
    int rc;
    while ((rc = sqlite3_step(st.s)) == SQLITE_ROW) {
      Row r;
      r.rowid = sqlite3_column_int64(st.s, 0);
      for (int i = 1; i < n; ++i) {
        switch (sqlite3_column_type(st.s, i)) {
          case SQLITE_INTEGER: r.values.emplace_back(std::int64_t{sqlite3_column_int64(st.s, i)}); break;
          case SQLITE_FLOAT: r.values.emplace_back(sqlite3_column_double(st.s, i)); break;
          case SQLITE_TEXT:
            r.values.emplace_back(std::string(reinterpret_cast<const char*>(sqlite3_column_text(st.s, i)),
                                              static_cast<std::size_t>(sqlite3_column_bytes(st.s, i))));
            break;
          default: r.values.emplace_back(); break;
        }
      }
      rows_.push_back(std::move(r));
    }
    if (rc != SQLITE_DONE) Fail(db_.get(), "Cannot read table " + name_);
  }

  static void Bind(sqlite3_stmt* s, int k, const Value& v) {
    switch (v.index()) {
      case 1: sqlite3_bind_int64(s, k, std::get<std::int64_t>(v)); break;
      case 2: sqlite3_bind_double(s, k, std::get<double>(v)); break;
      case 3: {
        const auto& t = std::get<std::string>(v);
        sqlite3_bind_text(s, k, t.data(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
        break;
      }
      default: sqlite3_bind_null(s, k); break;
    }
  }

  template <typename F>
  void Transaction(F&& body) {
    if (sqlite3_exec(db_.get(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
      Fail(db_.get(), "Cannot write table " + name_);
    try {
      body();
    } catch (...) {
      sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
    if (sqlite3_exec(db_.get(), "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
      const std::string why = sqlite3_errmsg(db_.get());
      sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
      throw TDatabaseError("Cannot write table " + name_ + ": " + why);
    }
  }

  Connection db_;
  std::string name_;
  bool active_ = false;
  std::vector<Row> rows_;
  std::size_t pos_ = 0;
  State state_ = State::Browse;
  std::vector<Value> buffer_;
};

class SqliteDatabase final : public IDatabase {
 public:
  SqliteDatabase(Connection db, std::string path) : db_(std::move(db)), path_(std::move(path)) {}

  std::unique_ptr<IQuery> NewQuery() override { return std::make_unique<SqliteQuery>(db_); }
  std::unique_ptr<ITable> NewTable(std::string_view name) override {
    return std::make_unique<SqliteTable>(db_, name);
  }
  void Execute(std::string_view sql) override {
    const std::string text(sql);
    char* error = nullptr;
    if (sqlite3_exec(db_.get(), text.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
      std::string why = error ? error : sqlite3_errmsg(db_.get());
      sqlite3_free(error);
      throw TDatabaseError(why);
    }
  }
  const std::string& Path() const override { return path_; }

 private:
  Connection db_;
  std::string path_;
};

}  // namespace

std::unique_ptr<IDatabase> OpenSqliteDatabase(const std::string& path, EOpenMode mode) {
  int flags = SQLITE_OPEN_READONLY;
  if (mode == EOpenMode::ReadWrite) flags = SQLITE_OPEN_READWRITE;
  if (mode == EOpenMode::Create) flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
  Connection db(raw, [](sqlite3* p) { sqlite3_close_v2(p); });
  if (rc != SQLITE_OK) {
    const std::string why = raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc);
    throw TDatabaseError("Cannot open database " + path + ": " + why);
  }
  sqlite3_busy_timeout(raw, 2000);
  // A file that is no database shows itself only on the first read: ask now.
  if (sqlite3_exec(raw, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK)
    throw TDatabaseError("Cannot open database " + path + ": " + sqlite3_errmsg(raw));
  return std::make_unique<SqliteDatabase>(std::move(db), path);
}

}  // namespace tfd
