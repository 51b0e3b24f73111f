#include "shell/singlecopy.h"

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
    // Age alone never makes the lock stale; a dead owner does.
    lock_.setStaleLockTime(0);
}

bool SingleCopy::Acquire() { return lock_.tryLock(0); }

void RefuseSecondCopy()
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Rurized"),
        QStringLiteral("このプログラムは二重起動できませんので強制終了されます（爆）\nщ(￣∀￣)ш"),
        QMessageBox::Ok);
    box.setObjectName(QStringLiteral("SingleCopyMessage"));
    box.exec();
}
