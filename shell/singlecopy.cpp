#include "shell/singlecopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

QString LockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("Rurized.lock"));
}

} // namespace

SingleCopy::SingleCopy()
    : lock_(LockPath())
{
    // A lock whose owner has died is stale. So is one that is older than this and still holds
    // no owner at all: a copy killed after it created the lock file and before it wrote its
    // process id into it leaves such an empty file, which would otherwise refuse every later
    // start. A running copy keeps an operating-system lock on the file, so its lock is never
    // taken over, however old.
    lock_.setStaleLockTime(2000);
}

bool SingleCopy::Acquire() { return lock_.tryLock(0); }

void RefuseSecondCopy()
{
    // The face's eyes are halfwidth semi-voiced marks, which the Gothic draws as rings: its
    // fullwidth macron is a hairline at the top of the cell, and the eyes looked missing.
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Rurized"),
        QCoreApplication::translate(
            "SingleCopy", "このプログラムは二重起動できませんので強制終了されます（爆）\nщ(ﾟ∀ﾟ)ш"),
        QMessageBox::Ok);
    box.setObjectName(QStringLiteral("SingleCopyMessage"));
    box.exec();
}
