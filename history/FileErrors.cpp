#include "history/FileErrors.h"

FileCreateError::FileCreateError(const QString& path, const QString& systemText)
    : AppError(QStringLiteral("ファイル \"%1\". %2 を作成できません").arg(path, systemText)) {}

FileOpenError::FileOpenError(const QString& path, const QString& systemText)
    : AppError(QStringLiteral("ファイル \"%1\". %2 は開けません").arg(path, systemText)) {}
