// The editor writes its settings with QSettings; kvfcheck reads the same file with the
// engine's INI reader. Both look in the same place, and every value written here must read
// back the same.

#include "app/EditorSettings.h"
#include "catalogue/UserSettingsFile.h"
#include "core/IniSettingsStore.h"
#include "core/Windows1252.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kvf {
namespace {

std::string ToStore(const QString& text) {
    return Utf8ToWindows1252(text.toUtf8().toStdString());
}

struct WrittenSetting {
    QString section;
    QString name;
    QVariant value;
    std::string expected; // Windows-1252 bytes
};

std::vector<WrittenSetting> Settings() {
    const QString umlauts = QString::fromUtf8("M\xc3\xbcller \xe2\x82\xac");
    return {
        {"Settings", "Warnings", 1, "1"},
        {"FailSafe", "NoSemanticCheck", 0, "0"},
        {"UserKeys", "MY_KEY", QString("1;2;UCHAR"), "1;2;UCHAR"},
        {"UserKeys", "Summary", QString("MY_KEY,OTHER,"), "MY_KEY,OTHER,"},
        {"UserKeys", "U_LIST", QString("1;0;-1, 5,7"), "1;0;-1, 5,7"},
        {"Checks", "Disable", QString("147, 136"), "147, 136"},
        {"Text", "Quotes", QString("say \"hi\" \\ back"), "say \"hi\" \\ back"},
        {"Text", "Controls",
         QString("a\tb\nc\rd\x01"
                 "e"),
         "a\tb\nc\rd\x01"
         "e"},
        {"Text", "Blanks", QString("  padded  "), "  padded  "},
        {"Text", "At", QString("@home"), "@home"},
        {"Text", "Equals", QString("x=1"), "x=1"},
        {"Text", "Empty", QString(""), ""},
        {"Text", "Hex",
         QString("\x7f"
                 "0A"),
         "\x7f"
         "0A"},
        {"Text", "Accents", umlauts, ToStore(umlauts)},
        {"Text", "List", QStringList{"a", "b c"}, "a,b c"},
        {"Odd Section", "name with/slash", QString("v"), "v"},
        {"Odd Section", QString::fromUtf8("K\xc3\xa4se%"), QString("w"), "w"},
        {"Settings", "Template Folder", QString("/home/ann/KVF Vorlagen;2"),
         "/home/ann/KVF Vorlagen;2"},
    };
}

TEST(SettingsFile, WrittenByTheEditorReadByTheEngine) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());

    QString fileName;
    {
        QSettings settings("DORRIM", "KVF_Ed");
        for (const WrittenSetting& s : Settings())
            settings.setValue(s.section + "/" + s.name, s.value);
        settings.sync();
        ASSERT_EQ(settings.status(), QSettings::NoError);
        fileName = settings.fileName();
    }
    // The engine looks where the editor wrote.
    EXPECT_EQ(UserSettingsFile(), fileName.toStdString());
    EXPECT_EQ(UserSettingsFile(), QtIniSettingsStore::UserFilePath().toStdString());

    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    IniSettingsStore store = IniSettingsStore::FromText(text.toStdString());
    for (const WrittenSetting& s : Settings())
        EXPECT_EQ(store.GetString(ToStore(s.section), ToStore(s.name), "<absent>"), s.expected)
            << s.section.toStdString() << "/" << s.name.toStdString() << " in\n"
            << text.toStdString();
    EXPECT_EQ(store.GetInt("Settings", "Warnings", 0), 1);
}

} // namespace
} // namespace kvf

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
