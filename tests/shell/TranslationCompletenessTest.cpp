// The English translation against the sources: every text marked for
// translation in the windowed program has a finished English translation in
// data/translations/sorvat_en.ts, and none of its texts is left over. The
// sources are scanned with Qt's lupdate into a copy of the file, as a
// translator would update it.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace sorvat::test {
namespace {

const QString SourceDir = QStringLiteral(SORVAT_SOURCE_DIR);
const QString TranslationFile = SourceDir + QStringLiteral("/data/translations/sorvat_en.ts");

struct Message {
    QString context;
    QString source;
    QString type;                  // "", "unfinished", "vanished" or "obsolete"
    std::vector<QString> forms;    // the translation, or its plural forms
};

// The text of the element the reader is on, up to its end; lupdate writes a
// carriage return as <byte value="xd"/>.
QString ElementText(QXmlStreamReader& xml) {
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() == QLatin1String("byte")) {
        if (xml.hasError()) break;
        if (xml.isCharacters()) text += xml.text();
        if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
    }
    return text;
}

std::vector<Message> ReadMessages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    std::vector<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) {
            context = ElementText(xml);
        } else if (xml.name() == QLatin1String("message")) {
            messages.push_back(Message{context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source")) {
            messages.back().source = ElementText(xml);
        } else if (xml.name() == QLatin1String("translation")) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            if (messages.back().source.contains(QLatin1String("%n")))
                continue;  // the plural forms follow as elements of their own
            messages.back().forms.push_back(ElementText(xml));
        } else if (xml.name() == QLatin1String("numerusform")) {
            messages.back().forms.push_back(ElementText(xml));
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// The places a text fills in: "%1".."%9", "%n" and "%s", with their counts,
// and the shortcut after a tab.
std::map<QString, int> PlacesOf(const QString& text) {
    static const QRegularExpression place(QStringLiteral("%[1-9ns]|\\t.*$"));
    std::map<QString, int> places;
    for (auto it = place.globalMatch(text); it.hasNext();) ++places[it.next().captured()];
    return places;
}

std::string Describe(const Message& message) {
    return (message.context + QStringLiteral(": ") + message.source).toStdString();
}

TEST(TranslationCompletenessTest, EveryTextOfTheSourcesHasAFinishedEnglishTranslation) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString updated = scratch.filePath(QStringLiteral("sorvat_en.ts"));
    ASSERT_TRUE(QFile::copy(TranslationFile, updated)) << TranslationFile.toStdString();

    QStringList arguments{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                          QStringLiteral("-I"), SourceDir + QStringLiteral("/src")};
    for (const char* folder : {"src/platform", "src/view", "src/commands", "src/shell", "app"})
        arguments << SourceDir + QLatin1Char('/') + QLatin1String(folder);
    arguments << QStringLiteral("-ts") << updated;
    QProcess lupdate;
    lupdate.start(QStringLiteral(SORVAT_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(120000)) << "lupdate did not run: " << SORVAT_LUPDATE;
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const std::vector<Message> messages = ReadMessages(updated);
    ASSERT_GT(messages.size(), 80u);
    for (const Message& message : messages) {
        EXPECT_TRUE(message.type.isEmpty())
            << Describe(message) << ": " << message.type.toStdString()
            << (message.type == QLatin1String("unfinished") ? " (new text without a translation)"
                                                            : " (no longer in the sources)");
        ASSERT_FALSE(message.forms.empty()) << Describe(message);
        for (const QString& form : message.forms) {
            EXPECT_FALSE(form.trimmed().isEmpty()) << Describe(message);
            EXPECT_EQ(PlacesOf(form), PlacesOf(message.source))
                << Describe(message) << " -> " << form.toStdString() << ": the filled-in places differ";
        }
    }
}

} // namespace
} // namespace sorvat::test
