#pragma once
// A prepared SQLite statement of one connection, finalised with the object. Parameters and
// columns are numbered as SQLite numbers them (parameters from 1, columns from 0).
#include <QByteArrayView>
#include <QString>
#include <cstdint>

#include "records/SqliteDatabase.h"

struct sqlite3_stmt;

class SqliteStatement {
 public:
  SqliteStatement(const SqliteDatabase& db, const char* sql);
  ~SqliteStatement();
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  SqliteStatement& Bind(int index, int64_t value);
  SqliteStatement& Bind(int index, const QString& text);
  // Runs to the next row: true when there is one, false when the statement is done.
  bool Step();
  // Makes the statement ready to run again; the bound values stay.
  void Reset();

  int64_t Int(int column) const;
  QString Text(int column) const;
  // The column's UTF-8 bytes, valid until the next Step or Reset.
  QByteArrayView Utf8(int column) const;

 private:
  const SqliteDatabase& db_;
  sqlite3_stmt* stmt_ = nullptr;
};
