#include "records/SqliteStatement.h"

#include <sqlite3.h>

SqliteStatement::SqliteStatement(const SqliteDatabase& db, const char* sql) : db_(db) {
  const int rc = sqlite3_prepare_v2(db.Handle(), sql, -1, &stmt_, nullptr);
  if (rc != SQLITE_OK) db.Fail(rc);
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(stmt_); }

SqliteStatement& SqliteStatement::Bind(int index, int64_t value) {
  const int rc = sqlite3_bind_int64(stmt_, index, value);
  if (rc != SQLITE_OK) db_.Fail(rc);
  return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  const int rc = sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
  if (rc != SQLITE_OK) db_.Fail(rc);
  return *this;
}

bool SqliteStatement::Step() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  db_.Fail(rc);
}

void SqliteStatement::Reset() { sqlite3_reset(stmt_); }

int64_t SqliteStatement::Int(int column) const { return sqlite3_column_int64(stmt_, column); }

QString SqliteStatement::Text(int column) const {
  const QByteArrayView bytes = Utf8(column);
  return QString::fromUtf8(bytes.data(), bytes.size());
}

QByteArrayView SqliteStatement::Utf8(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
  return QByteArrayView(text, sqlite3_column_bytes(stmt_, column));
}
