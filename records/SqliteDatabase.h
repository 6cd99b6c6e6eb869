#pragma once
// A connection to a SQLite database file, closed with the object. Every failed call throws
// RecordsFailure with its cause in words.
#include <QString>

struct sqlite3;

class SqliteDatabase {
 public:
  enum class Access { Read, Write };

  // Opens the file at path; Write creates it when it is missing. Statements wait up to busyMs
  // for locks that other connections hold, then fail.
  SqliteDatabase(const QString& path, Access access, int busyMs);
  ~SqliteDatabase();
  SqliteDatabase(const SqliteDatabase&) = delete;
  SqliteDatabase& operator=(const SqliteDatabase&) = delete;

  // Runs statements that give no rows.
  void Execute(const char* sql) const;
  // Ends the open transaction without its changes; nothing when SQLite has ended it already.
  void Rollback() const noexcept;
  sqlite3* Handle() const { return db_; }
  // Throws RecordsFailure for a result code of this connection.
  [[noreturn]] void Fail(int code) const;

 private:
  sqlite3* db_ = nullptr;
};

// The cause of a SQLite result code in words; systemErrno is the system's error behind an
// input or output failure, or 0.
QString SqliteCauseText(int code, int systemErrno);
