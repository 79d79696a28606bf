// The English translation against the sources: every text marked for
// translation in the windowed program has a finished English translation in
// data/translations/sorvat_en.ts, and none of its texts is left over. The
// sources are scanned with Qt's lupdate into a copy of the file, as a
// translator would update it.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace sorvat::test {
namespace {

const QString SourceDir = QStringLiteral(SORVAT_SOURCE_DIR);

// The places a text fills in ("%1".."%9", "%n", "%s") with their counts, and
// the shortcut after a tab.
std::map<QString, int> PlacesOf(const QString& text) {
    static const QRegularExpression place(QStringLiteral("%[1-9ns]|\\t.*$"));
    std::map<QString, int> places;
    for (auto it = place.globalMatch(text); it.hasNext();) ++places[it.next().captured()];
    return places;
}

TEST(TranslationCompletenessTest, EveryTextOfTheSourcesHasAFinishedEnglishTranslation) {
    QTemporaryDir scratch;
    const QString updated = scratch.filePath(QStringLiteral("sorvat_en.ts"));
    ASSERT_TRUE(QFile::copy(SourceDir + QStringLiteral("/data/translations/sorvat_en.ts"), updated));
    QStringList arguments{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                          QStringLiteral("-I"), SourceDir + QStringLiteral("/src")};
    for (const char* folder : {"src/platform", "src/view", "src/commands", "src/shell", "app"})
        arguments << SourceDir + QLatin1Char('/') + QLatin1String(folder);
    arguments << QStringLiteral("-ts") << updated;
    QProcess lupdate;
    lupdate.start(QStringLiteral(SORVAT_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(120000)) << "lupdate did not run: " << SORVAT_LUPDATE;
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    QFile file(updated);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // The texts as lupdate writes them: the same escapes on both sides.
    static const QRegularExpression message(QStringLiteral(
        "<message>\\s*<source>(.*?)</source>.*?<translation( type=\"(\\w+)\")?>(.*?)</translation>"),
        QRegularExpression::DotMatchesEverythingOption);
    int count = 0;
    for (auto it = message.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext(); ++count) {
        const QRegularExpressionMatch m = it.next();
        const QString source = m.captured(1), type = m.captured(3), translation = m.captured(4);
        EXPECT_TRUE(type.isEmpty()) << source.toStdString() << ": " << type.toStdString()
                                    << (type == QLatin1String("unfinished") ? " (new text without a translation)"
                                                                            : " (no longer in the sources)");
        EXPECT_FALSE(translation.trimmed().isEmpty()) << source.toStdString();
        EXPECT_EQ(PlacesOf(translation), PlacesOf(source))
            << source.toStdString() << " -> " << translation.toStdString() << ": the filled-in places differ";
    }
    EXPECT_GT(count, 80);
}

} // namespace
} // namespace sorvat::test
