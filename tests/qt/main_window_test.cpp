#include "tests/qt/window_driver.h"

#include "shell/command_ids.h"

#include <QDir>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace {

// A control as the user sees it: where it stands in the client area, its text and font.
struct ControlLook {
    int id;
    const char* text;
    QRect rect;
    int pixelSize;
    QFont::Weight weight;
    bool italic;
};

void expectLook(const QWidget* control, const ControlLook& look)
{
    SCOPED_TRACE(look.text);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->isVisible());
    EXPECT_EQ(control->geometry(), look.rect);
    const QFont font = control->font();
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(font.pixelSize(), look.pixelSize);
    EXPECT_EQ(font.weight(), look.weight);
    EXPECT_EQ(font.italic(), look.italic);
}

// Every text fits its control, as it does on Windows: a button's whole label, a radio
// button's text in the room beside its mark.
void expectTextFits(const QAbstractButton* button)
{
    ASSERT_NE(button, nullptr);
    const QFontMetricsF metrics(button->font());
    SCOPED_TRACE(button->text().toStdString());
    EXPECT_LE(metrics.height(), button->height());
    if (qobject_cast<const QRadioButton*>(button) == nullptr) {
        EXPECT_LE(button->sizeHint().width(), button->width());
        return;
    }
    const QStyle* style = button->style();
    const int besideMark = button->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
                           style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    EXPECT_LE(metrics.horizontalAdvance(button->text()), besideMark);
}

}  // namespace

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, OpensWithTitlePlaceSizeAndTheStartText)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvanteline"));
    EXPECT_EQ(window->windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    // The outer size, frame included.
    EXPECT_EQ(window->frameGeometry(), QRect(300, 100, 644, 525));
    EXPECT_EQ(window->centralWidget()->y(), window->menuBar()->geometry().bottom() + 1);

    const auto* status = qobject_cast<QLabel*>(control(IDC_STATUS));
    expectLook(status, {IDC_STATUS, "status", QRect(50, 180, 530, 150), 18, QFont::Light, false});
    EXPECT_EQ(status->text(), QStringLiteral("No File currently open; Select File to open file.\n"
                                             "Select help to know how to use the software"));
    EXPECT_EQ(status->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_TRUE(status->wordWrap());
    EXPECT_EQ(status->frameShape(), QFrame::Box);
    for (int panelControl : {IDC_BY_COUNT, IDC_BY_SIZE, IDC_VALUE, IDC_START_SPLIT, IDC_START_MERGE})
        EXPECT_EQ(control(panelControl), nullptr) << panelControl;
}

TEST_F(MainWindowTest, MenuBarHoldsThreePopupsWithTheirItems)
{
    const std::vector<std::pair<QString, QStringList>> expected = {
        {"&File", {"&Open", "E&xit"}},
        {"&Actions", {"&Split", "&Merge"}},
        {"&Help", {"H&ow To Use", "&About"}},
    };
    const QList<QAction*> popups = window->menuBar()->actions();
    ASSERT_EQ(popups.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t index = 0; index < expected.size(); ++index) {
        const QAction* popup = popups[static_cast<qsizetype>(index)];
        EXPECT_EQ(popup->text(), expected[index].first);
        ASSERT_NE(popup->menu(), nullptr);
        QStringList items;
        for (const QAction* item : popup->menu()->actions()) {
            items << item->text();
            EXPECT_TRUE(item->isEnabled() && !item->isCheckable() && !item->isSeparator());
        }
        EXPECT_EQ(items, expected[index].second);
    }
}

TEST_F(MainWindowTest, SplitPanelShowsItsControlsInPlace)
{
    const std::string input = dir.path("input.bin");
    writeFile(input, patternBytes(100));
    chooseFile(input);
    trigger("&Actions", "&Split");

    expectLook(control(IDC_BY_COUNT), {IDC_BY_COUNT, "Number of Parts", QRect(100, 30, 150, 20), 18, QFont::Bold, false});
    expectLook(control(IDC_BY_SIZE), {IDC_BY_SIZE, "Part Size in KBs", QRect(100, 50, 150, 20), 18, QFont::Bold, false});
    expectLook(control(IDC_VALUE), {IDC_VALUE, "value box", QRect(300, 30, 130, 40), 22, QFont::Normal, true});
    expectLook(control(IDC_START_SPLIT),
               {IDC_START_SPLIT, "Start Splitting", QRect(250, 100, 150, 60), 22, QFont::ExtraBold, true});
    EXPECT_EQ(qobject_cast<QAbstractButton*>(control(IDC_BY_COUNT))->text(), QStringLiteral("Number of Parts"));
    EXPECT_EQ(qobject_cast<QAbstractButton*>(control(IDC_BY_SIZE))->text(), QStringLiteral("Part Size in KBs"));
    EXPECT_EQ(qobject_cast<QAbstractButton*>(control(IDC_START_SPLIT))->text(), QStringLiteral("Start Splitting"));
    for (int id : {IDC_BY_COUNT, IDC_BY_SIZE, IDC_START_SPLIT})
        expectTextFits(qobject_cast<QAbstractButton*>(control(id)));
    EXPECT_TRUE(isChecked(IDC_BY_COUNT));
    EXPECT_FALSE(isChecked(IDC_BY_SIZE));
    EXPECT_EQ(valueText(), QString());
    EXPECT_EQ(control(IDC_START_MERGE), nullptr);
}

TEST_F(MainWindowTest, MergePanelReplacesTheSplitPanel)
{
    const std::string input = dir.path("input.bin");
    writeFile(input, patternBytes(100));
    chooseFile(input);
    trigger("&Actions", "&Split");
    trigger("&Actions", "&Merge");

    expectLook(control(IDC_START_MERGE),
               {IDC_START_MERGE, "Start Merging", QRect(250, 100, 170, 60), 22, QFont::ExtraBold, true});
    EXPECT_EQ(qobject_cast<QAbstractButton*>(control(IDC_START_MERGE))->text(), QStringLiteral("Start Merging"));
    expectTextFits(qobject_cast<QAbstractButton*>(control(IDC_START_MERGE)));
    for (int splitControl : {IDC_BY_COUNT, IDC_BY_SIZE, IDC_VALUE, IDC_START_SPLIT})
        EXPECT_EQ(control(splitControl), nullptr) << splitControl;
}

// Kept in the build tree, to be looked at beside the Windows window.
TEST_F(MainWindowTest, SavesAScreenshotWithTheSplitPanel)
{
    const std::string input = dir.path("a file chosen to show how the status text wraps a long path.bin");
    writeFile(input, patternBytes(100));
    chooseFile(input);
    trigger("&Actions", "&Split");
    typeValue(QStringLiteral("12"));

    const QString artifacts = QStringLiteral(QV_ARTIFACTS_DIR);
    ASSERT_TRUE(QDir().mkpath(artifacts));
    const QImage shot = window->grab().toImage();
    EXPECT_EQ(shot.size(), window->size());
    EXPECT_TRUE(shot.save(artifacts + QStringLiteral("/qt-main-window-split.png")));
}

TEST_F(MainWindowTest, RadioButtonsChangeOnlyAsTheWindowSetsThem)
{
    const std::string input = dir.path("input.bin");
    writeFile(input, patternBytes(100));
    chooseFile(input);
    trigger("&Actions", "&Split");
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(control(IDC_BY_COUNT))->autoExclusive());

    const std::vector<std::pair<int, bool>> clicksAndCountChecked = {
        {IDC_BY_SIZE, false}, {IDC_BY_SIZE, false}, {IDC_BY_COUNT, true}, {IDC_BY_COUNT, true}};
    for (const auto& [clicked, countChecked] : clicksAndCountChecked) {
        click(clicked);
        EXPECT_EQ(isChecked(IDC_BY_COUNT), countChecked) << "after a click on " << clicked;
        EXPECT_EQ(isChecked(IDC_BY_SIZE), !countChecked) << "after a click on " << clicked;
    }
}

class ValueBoxTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        const std::string input = dir.path("input.bin");
        writeFile(input, patternBytes(100));
        chooseFile(input);
        trigger("&Actions", "&Split");
    }

    // The width the box shows text in, without scrolling: inside its border and margins.
    double visibleWidth() const
    {
        const auto* box = qobject_cast<QLineEdit*>(control(IDC_VALUE));
        return box->width() - 2 - 2 * 2;
    }
};

TEST_F(ValueBoxTest, TakesAnyCharacter)
{
    typeValue(QStringLiteral("a-1 .e+"));
    EXPECT_EQ(valueText(), QStringLiteral("a-1 .e+"));
}

TEST_F(ValueBoxTest, TakesElevenDigits)
{
    typeValue(QStringLiteral("12345678901"));
    EXPECT_EQ(valueText(), QStringLiteral("12345678901"));
}

TEST_F(ValueBoxTest, TakesOnlyAsMuchAsItShows)
{
    const QString typed = QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    typeValue(typed);
    const QString kept = valueText();
    ASSERT_FALSE(kept.isEmpty());
    EXPECT_LT(kept.size(), typed.size());
    EXPECT_TRUE(typed.startsWith(kept));
    const QFontMetricsF metrics(control(IDC_VALUE)->font());
    EXPECT_LT(metrics.horizontalAdvance(kept), visibleWidth());
    EXPECT_GE(metrics.horizontalAdvance(kept + QLatin1Char('W')), visibleWidth());
}
