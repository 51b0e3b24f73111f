#include "shell/help.h"

#include "shell/language.h"
#include "shell/units.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {

QPointer<QTextBrowser> viewer;

QTextBrowser* CreateViewer()
{
    auto* browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("HelpViewer"));
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->setWindowTitle(QCoreApplication::translate("Help", "Rurized ヘルプ"));
    browser->setOpenExternalLinks(false);
    browser->resize(ui::Px(9600), ui::Px(9000));

    const QString path = HelpFilePath();
    if (QFileInfo(path).isReadable()) {
        browser->setSource(QUrl::fromLocalFile(path));
    } else {
        browser->setHtml(QCoreApplication::translate("Help",
            "<h3>ヘルプファイルが見つかりません</h3><p>%1</p>"
            "<p>プログラムと同じフォルダに Rurized.html を置いてください。</p>")
                             .arg(QDir::toNativeSeparators(path).toHtmlEscaped()));
    }
    return browser;
}

} // namespace

QString HelpFilePath()
{
    const QString name = rurized::CurrentLanguage() == rurized::Language::English
        ? QStringLiteral("Rurized.en.html")
        : QStringLiteral("Rurized.html");
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

void ShowHelp(QWidget* owner)
{
    if (!viewer) {
        viewer = CreateViewer();
        // Just below the launcher, which stays in reach.
        if (owner)
            viewer->move(owner->frameGeometry().bottomLeft() + QPoint(0, 8));
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

void CloseHelp(QWidget*)
{
    if (viewer)
        viewer->close();
}

QWidget* HelpViewer() { return viewer; }
