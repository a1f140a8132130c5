#include "SoundSpeedHelpFixture.h"

#include "ui/options/HelpText.h"
#include "ui/options/TextViewer.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using HelpViewer = SoundSpeedHelpTest;
using namespace std::chrono_literals;

TextViewer* viewerOf(const frmMain& table, const QString& fileName)
{
    for (TextViewer* viewer : table.findChildren<TextViewer*>()) {
        if (viewer->fileName() == fileName)
            return viewer;
    }
    return nullptr;
}

// Where each column of a line starts, in pixels: the text after two or more blanks.
QList<qreal> columnStarts(const QString& line, const QFontMetricsF& metrics)
{
    QList<qreal> starts;
    for (qsizetype i = 2; i < line.size(); ++i) {
        if (line[i] != u' ' && line[i - 1] == u' ' && line[i - 2] == u' ')
            starts << metrics.horizontalAdvance(line.left(i));
    }
    return starts;
}

// Opening a FIFO for reading waits for a writer. Should the viewer ever do that, this plays the
// writer after a while, so the test ends and reports it instead of hanging.
class FifoWriterOfLastResort {
public:
    explicit FifoWriterOfLastResort(const QString& path) : m_path(path.toLocal8Bit()), m_thread([this] { run(); }) {}
    ~FifoWriterOfLastResort()
    {
        m_done = true;
        m_thread.join();
    }
    bool wasNeeded() const { return m_needed; }

private:
    void run()
    {
        const auto start = std::chrono::steady_clock::now();
        while (!m_done) {
            if (std::chrono::steady_clock::now() - start > 1500ms) {
                const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);  // succeeds only with a reader
                if (fd >= 0) {
                    ::close(fd);
                    m_needed = true;
                }
            }
            std::this_thread::sleep_for(20ms);
        }
    }

    QByteArray m_path;
    std::atomic<bool> m_done = false;
    std::atomic<bool> m_needed = false;
    std::thread m_thread;
};

}  // namespace

// The help's tables are laid out in character cells: in the viewer every row of a table starts its
// columns where the table's first row does (a wrapped cell's next line where the last columns start),
// and the longest line fits without wrapping.
TEST_F(HelpViewer, TablesOfTheHelpLineUp)
{
    QFile built(QCoreApplication::applicationDirPath() + QStringLiteral("/Help1.txt"));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    writeFile(QStringLiteral("Help1.txt"), built.readAll());
    scripted.shellSucceeds = false;
    table->P_Help1->trigger();
    TextViewer* viewer = viewerOf(*table, QStringLiteral("Help1.txt"));
    ASSERT_NE(viewer, nullptr);
    const QStringList lines = viewer->text->toPlainText().split(u'\n');
    const QFontMetricsF metrics(viewer->text->font());

    const struct {
        const char* firstRow;
        int rows;
    } tables[] = {{"    2番（左上）", 3},  {"  親の役  ", 9},      {"  「親が６の目", 2}, {"  「保存（S）」", 9},
                  {"    設定(S)", 5},      {"    出目集計(D)", 3}, {"    ヘルプ(H)", 3}};
    for (const auto& t : tables) {
        SCOPED_TRACE(t.firstRow);
        qsizetype first = -1;
        for (qsizetype i = 0; i < lines.size() && first < 0; ++i) {
            if (lines[i].startsWith(QString::fromUtf8(t.firstRow)))
                first = i;
        }
        ASSERT_GE(first, 0);
        ASSERT_LE(first + t.rows, lines.size());
        const QList<qreal> columns = columnStarts(lines[first], metrics);
        ASSERT_GE(columns.size(), 2);
        for (qsizetype row = first + 1; row < first + t.rows; ++row) {
            const QList<qreal> starts = columnStarts(lines[row], metrics);
            ASSERT_FALSE(starts.isEmpty()) << lines[row].toStdString();
            ASSERT_LE(starts.size(), columns.size()) << lines[row].toStdString();
            const QList<qreal> expected = columns.mid(columns.size() - starts.size());
            for (qsizetype c = 0; c < starts.size(); ++c)
                EXPECT_NEAR(starts[c], expected[c], 0.5) << lines[row].toStdString();
        }
    }

    qreal longest = 0;
    for (const QString& line : lines)
        longest = qMax(longest, metrics.horizontalAdvance(line));
    EXPECT_LE(longest, viewer->text->viewport()->width() - 2 * viewer->text->document()->documentMargin());
}

// A FIFO where a help text should be must not freeze the game: the viewer never opens it and says
// the file is not there.
TEST_F(HelpViewer, AFifoInPlaceOfAHelpTextIsNeverOpened)
{
    const QString path = folder.filePath(QStringLiteral("Help1.txt"));
    ASSERT_EQ(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
    scripted.shellSucceeds = false;
    const FifoWriterOfLastResort writer(path);
    QElapsedTimer elapsed;
    elapsed.start();
    table->P_Help1->trigger();
    EXPECT_LT(elapsed.elapsed(), 1000);
    EXPECT_FALSE(writer.wasNeeded()) << "the viewer waited in the FIFO's open";
    TextViewer* viewer = viewerOf(*table, QStringLiteral("Help1.txt"));
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->text->toPlainText().contains(QStringLiteral("「Help1.txt」が見つかりません")));
}

// A desktop without a program for text may still start its opener, which then finds nothing: the
// help is shown in the game's own viewer instead and the opener is not asked.
TEST_F(HelpViewer, WithoutATextProgramOnTheDesktopTheViewerShowsTheHelp)
{
    scripted.textProgramRegistered = false;
    scripted.shellSucceeds = true;
    const struct {
        QAction* item;
        const char* file;
    } cases[] = {{table->P_Help1, "Help1.txt"}, {table->P_readme, "Readme.txt"}};
    for (const auto& c : cases) {
        c.item->trigger();
        const TextViewer* viewer = viewerOf(*table, QLatin1String(c.file));
        ASSERT_NE(viewer, nullptr) << c.file;
        EXPECT_TRUE(viewer->isVisible()) << c.file;
    }
    EXPECT_TRUE(scripted.shellOpens.isEmpty()) << scripted.shellOpens.join(u' ').toStdString();
}
