#include "db/SqliteDatabase.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tfd {
namespace {

namespace fs = std::filesystem;

std::unique_ptr<IDatabase> MemoryDb() {
  auto db = OpenSqliteDatabase(":memory:", EOpenMode::Create);
  db->Execute(
      "CREATE TABLE T (ID SMALLINT, BIG INTEGER, R FLOAT, S TEXT);"
      "INSERT INTO T VALUES (3, 70000, 1.5, 'c');"
      "INSERT INTO T VALUES (1, 5, 2, 'a');"
      "INSERT INTO T VALUES (2, NULL, NULL, NULL);");
  return db;
}

std::vector<std::int16_t> Ids(IQuery& q) {
  std::vector<std::int16_t> ids;
  for (q.First(); !q.Eof(); q.Next()) ids.push_back(q.AsSmallInt("ID"));
  return ids;
}

TEST(SqliteQuery, RowsComeInOrderAndTheQueryCanBeRewoundAndReused) {
  auto db = MemoryDb();
  auto q = db->NewQuery();
  q->AddLine("SELECT * ");
  q->AddLine("FROM T ");
  q->AddLine("ORDER BY ID");
  q->Open();
  EXPECT_EQ(Ids(*q), (std::vector<std::int16_t>{1, 2, 3}));
  EXPECT_EQ(Ids(*q), (std::vector<std::int16_t>{1, 2, 3})) << "First() starts the walk again";

  q->Close();
  q->ClearText();
  q->AddLine("SELECT * FROM T WHERE ID>=2 ORDER BY ID DESC");
  q->Open();
  EXPECT_EQ(Ids(*q), (std::vector<std::int16_t>{3, 2}));

  q->Close();
  q->ClearText();
  q->AddLine("SELECT * FROM T WHERE ID>10");
  q->Open();
  EXPECT_TRUE(q->Eof());
  EXPECT_THROW(q->AsSmallInt("ID"), TDatabaseError) << "no current row";
}

TEST(SqliteQuery, FieldsReadByNameInTheirClassAndEmptyFieldsReadAsZero) {
  auto db = MemoryDb();
  auto q = db->NewQuery();
  q->AddLine("SELECT * FROM T ORDER BY ID");
  q->Open();
  EXPECT_EQ(q->AsSmallInt("id"), 1) << "column names ignore case";
  EXPECT_EQ(q->AsInteger("BIG"), 5);
  EXPECT_EQ(q->AsInteger("ID"), 1) << "a small integer widens to an integer";
  EXPECT_DOUBLE_EQ(q->AsFloat("R"), 2.0);
  EXPECT_EQ(q->AsString("S"), "a");
  q->Next();
  EXPECT_EQ(q->AsInteger("BIG"), 0);
  EXPECT_DOUBLE_EQ(q->AsFloat("R"), 0.0);
  EXPECT_EQ(q->AsString("S"), "");
}

TEST(SqliteQuery, AnotherClassAMissingColumnOrAValueBeyondItsClassIsAnError) {
  auto db = MemoryDb();
  auto q = db->NewQuery();
  q->AddLine("SELECT * FROM T ORDER BY ID DESC");
  q->Open();  // ID 3: BIG 70000
  EXPECT_THROW(q->AsString("R"), TDatabaseError);
  EXPECT_THROW(q->AsFloat("S"), TDatabaseError);
  EXPECT_THROW(q->AsSmallInt("R"), TDatabaseError);
  EXPECT_THROW(q->AsSmallInt("BIG"), TDatabaseError) << "an integer column is not a small integer";
  EXPECT_THROW(q->AsSmallInt("NOPE"), TDatabaseError);
  try {
    q->AsString("R");
  } catch (const TDatabaseError& e) {
    EXPECT_NE(std::string(e.what()).find("'R'"), std::string::npos) << e.what();
  }

  // SQLite would store text in a small-integer column: that is no small integer.
  db->Execute(
      "INSERT INTO T VALUES ('x', 1, 1, 'd'); CREATE TABLE U (ID SMALLINT); INSERT INTO U VALUES (40000);");
  q->Close();
  q->ClearText();
  q->AddLine("SELECT * FROM T WHERE S='d'");
  q->Open();
  EXPECT_THROW(q->AsSmallInt("ID"), TDatabaseError);
  q->Close();
  q->ClearText();
  q->AddLine("SELECT * FROM U");
  q->Open();
  EXPECT_THROW(q->AsSmallInt("ID"), TDatabaseError) << "beyond 16 bits";
}

TEST(SqliteQuery, BadTextOrAMissingTableIsAnErrorWithTheEnginesReason) {
  auto db = MemoryDb();
  auto q = db->NewQuery();
  q->AddLine("SELECT * FROM Missing");
  try {
    q->Open();
    FAIL() << "opened a query on a missing table";
  } catch (const TDatabaseError& e) {
    EXPECT_NE(std::string(e.what()).find("no such table"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(q->Active());
  q->ClearText();
  EXPECT_THROW(q->Open(), TDatabaseError) << "empty text";
}

TEST(SqliteDatabase, AMissingFileOrAFileThatIsNoDatabaseIsAClearError) {
  const fs::path dir = fs::temp_directory_path() / ("tfd-db-test-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path missing = dir / "none.sqlite";
  EXPECT_THROW(OpenSqliteDatabase(missing.string(), EOpenMode::ReadOnly), TDatabaseError);
  EXPECT_FALSE(fs::exists(missing)) << "read-only opening creates nothing";

  const fs::path junk = dir / "junk.sqlite";
  std::ofstream(junk) << "this is not a database, just some text that is long enough to look like a header";
  try {
    OpenSqliteDatabase(junk.string(), EOpenMode::ReadOnly);
    FAIL() << "opened a text file as a database";
  } catch (const TDatabaseError& e) {
    EXPECT_NE(std::string(e.what()).find(junk.string()), std::string::npos) << e.what();
  }
  fs::remove_all(dir);
}

class SqliteTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db_ = OpenSqliteDatabase(":memory:", EOpenMode::Create);
    db_->Execute(
        "CREATE TABLE C (Name TEXT NOT NULL, A INTEGER, B SMALLINT);"
        "INSERT INTO C VALUES ('one', 1, 1); INSERT INTO C VALUES ('two', 2, 2);"
        "INSERT INTO C VALUES ('three', 3, 3);");
    table_ = db_->NewTable("C");
    table_->Open();
  }
  std::vector<std::string> Names() {
    std::vector<std::string> n;
    auto q = db_->NewQuery();
    q->AddLine("SELECT * FROM C ORDER BY rowid");
    q->Open();
    for (; !q->Eof(); q->Next()) n.push_back(q->AsString("Name"));
    return n;
  }
  std::unique_ptr<IDatabase> db_;
  std::unique_ptr<ITable> table_;
};

TEST_F(SqliteTableTest, AppendEditAndPostWriteTheRow) {
  table_->Append();
  table_->SetString("Name", "four");
  table_->SetInteger("A", 0xFF000000LL);
  table_->Post();
  EXPECT_EQ(table_->AsString("Name"), "four") << "the cursor stands on the posted row";
  EXPECT_EQ(table_->AsInteger("A"), 0xFF000000LL);

  table_->First();
  table_->Next();
  table_->Edit();
  table_->SetInteger("A", 22);
  EXPECT_EQ(table_->AsInteger("A"), 22) << "the edited value is seen before posting";
  table_->Post();
  EXPECT_EQ(table_->AsString("Name"), "two");
  EXPECT_EQ(Names(), (std::vector<std::string>{"one", "two", "three", "four"}));

  auto fresh = db_->NewTable("C");
  fresh->Open();
  fresh->Next();
  EXPECT_EQ(fresh->AsInteger("A"), 22);

  table_->Edit();
  table_->SetInteger("A", 99);
  table_->Cancel();
  EXPECT_EQ(table_->AsInteger("A"), 22) << "a cancelled edit writes nothing";
}

TEST_F(SqliteTableTest, DeleteMovesToTheFollowingRow) {
  table_->First();
  table_->Next();
  table_->Delete();
  EXPECT_EQ(table_->AsString("Name"), "three");
  table_->Delete();
  EXPECT_TRUE(table_->Eof());
  EXPECT_THROW(table_->Delete(), TDatabaseError);
  EXPECT_EQ(Names(), (std::vector<std::string>{"one"}));
}

TEST_F(SqliteTableTest, AFailedPostLeavesTheTableAsItWas) {
  table_->Append();
  table_->SetInteger("A", 5);  // Name stays empty: NOT NULL refuses the row
  EXPECT_THROW(table_->Post(), TDatabaseError);
  table_->Cancel();
  EXPECT_EQ(Names(), (std::vector<std::string>{"one", "two", "three"}));

  table_->Append();
  EXPECT_THROW(table_->SetString("A", "text"), TDatabaseError) << "a string into an integer field";
  EXPECT_THROW(table_->SetInteger("B", 70000), TDatabaseError) << "beyond a small integer";
  EXPECT_THROW(table_->SetInteger("Nope", 1), TDatabaseError);
  table_->Cancel();
  EXPECT_THROW(table_->SetInteger("A", 1), TDatabaseError) << "not in edit state";
}

}  // namespace
}  // namespace tfd
