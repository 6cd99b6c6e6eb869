#include "records/SqliteDatabase.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "history/HistoryLock.h"
#include "history/SystemErrorText.h"
#include "records/RecordsError.h"

QString SqliteCauseText(int code, int systemErrno) {
  const QString system = systemErrno != 0 ? QStringLiteral(" (%1)").arg(SystemErrorText(systemErrno)) : QString();
  switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return QStringLiteral("ほかのピクトラが使っていて、数秒待っても空きません");
    case SQLITE_READONLY:
      return QStringLiteral("書き込みが許されていません");
    case SQLITE_PERM:
    case SQLITE_AUTH:
      return QStringLiteral("使うことが許されていません") + system;
    case SQLITE_CANTOPEN:
      return QStringLiteral("ファイルを開けません") + system;
    case SQLITE_NOTADB:
      return QStringLiteral("答えの記録のファイルではありません");
    case SQLITE_CORRUPT:
      return QStringLiteral("ファイルが壊れています");
    case SQLITE_FULL:
      return QStringLiteral("ディスクがいっぱいです");
    case SQLITE_IOERR:
      return QStringLiteral("読み書きに失敗しました") + system;
    default:
      return QString::fromUtf8(sqlite3_errstr(code)) + system;
  }
}

namespace {

// The system's error behind a file that could not be opened. A file that could not be made
// leaves the error of a later look-up; the directory's own says why.
int OpenErrno(const QString& path, SqliteDatabase::Access access, int systemErrno) {
  if (access != SqliteDatabase::Access::Write || (systemErrno != 0 && systemErrno != ENOENT) || QFileInfo::exists(path))
    return systemErrno;
  const int refusal = FolderRefusal(path);
  return refusal != 0 ? refusal : systemErrno;
}

}  // namespace

SqliteDatabase::SqliteDatabase(const QString& path, Access access, int busyMs) {
  const int flags = access == Access::Write ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
  const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    const QString cause = SqliteCauseText(rc, OpenErrno(path, access, db_ != nullptr ? sqlite3_system_errno(db_) : 0));
    sqlite3_close(db_);
    db_ = nullptr;
    throw RecordsFailure{cause};
  }
  sqlite3_extended_result_codes(db_, 1);
  sqlite3_busy_timeout(db_, busyMs);
}

SqliteDatabase::~SqliteDatabase() { sqlite3_close(db_); }

void SqliteDatabase::Execute(const char* sql) const {
  const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) Fail(rc);
}

void SqliteDatabase::Rollback() const noexcept {
  if (sqlite3_get_autocommit(db_) == 0) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteDatabase::Fail(int code) const { throw RecordsFailure{SqliteCauseText(code, sqlite3_system_errno(db_))}; }
