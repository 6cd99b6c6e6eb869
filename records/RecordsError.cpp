#include "records/RecordsError.h"

RecordsWriteError::RecordsWriteError(const QString& path, const QString& cause, DrillKind kind)
    : AppError(QStringLiteral("答えの記録 \"%1\" に書き込めません。%2。%3")
                   .arg(path, cause,
                        kind == DrillKind::Drill ? QStringLiteral("ドリルの結果は HIST.DAT に保存されています")
                                                 : QStringLiteral("この復習は記録されません"))) {}

RecordsReadError::RecordsReadError(const QString& path, const QString& cause)
    : AppError(QStringLiteral("答えの記録 \"%1\" を読めません。%2").arg(path, cause)) {}
