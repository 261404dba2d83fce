#include "tests/qt/window_driver.h"

#include "shell/help_text.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include <filesystem>

namespace {

// Stands in for the desktop: records what the program asks it to open.
class DesktopRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

}  // namespace

class HelpMenuTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        helpPath = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("How To Use Quorvanteline.txt"));
        std::filesystem::remove_all(helpPath.toStdString());
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
    }

    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        std::filesystem::remove_all(helpPath.toStdString());
        WindowTest::TearDown();
    }

    QString helpPath;
    DesktopRecorder desktop;
};

TEST_F(HelpMenuTest, HowToUseWritesTheGuideBesideTheProgramAndOpensIt)
{
    // An earlier guide, edited by the user, is written anew.
    writeFile(helpPath.toStdString(), "edited");
    EXPECT_TRUE(triggerAnswering("&Help", "H&ow To Use").empty());

    const std::string guide = readFile(helpPath.toStdString());
    EXPECT_EQ(guide.size(), 1480u);
    EXPECT_EQ(guide, std::string(helpText));
    EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(helpPath)});
}

TEST_F(HelpMenuTest, HowToUseSaysSorryWhenTheGuideCannotBeWritten)
{
    std::filesystem::create_directory(helpPath.toStdString());  // no file can be opened there
    const std::vector<SeenBox> boxes = triggerAnswering("&Help", "H&ow To Use");

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Help could not be loaded"));
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Sorry"));
    EXPECT_EQ(boxes[0].icon, QMessageBox::Information);
    EXPECT_EQ(boxes[0].buttons, QMessageBox::Ok);
    EXPECT_TRUE(desktop.opened.isEmpty());
}

using AboutTest = WindowTest;

TEST_F(AboutTest, ShowsTheAboutBox)
{
    const std::vector<SeenBox> boxes = triggerAnswering("&Help", "&About");

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QString::fromLatin1(aboutText));
    EXPECT_EQ(boxes[0].caption, QStringLiteral("About This Program"));
    EXPECT_EQ(boxes[0].icon, QMessageBox::Information);
    EXPECT_EQ(boxes[0].buttons, QMessageBox::Ok);
}

#include "help_menu_test.moc"
