// The editor writes its settings with QSettings; kvfcheck reads the same file with the
// engine's INI reader. Both look in the same place, and every value written here must read
// back the same.

#include "HostileSettings.h"
#include "app/EditorSettings.h"
#include "catalogue/UserKeys.h"
#include "catalogue/UserSettingsFile.h"
#include "core/AppServices.h"
#include "core/AsciiText.h"
#include "core/Document.h"
#include "core/IniSettingsStore.h"
#include "core/Windows1252.h"
#include "editing/UserKeyRegistration.h"
#include "lsp/Server.h"
#include "lsp/ServerSettings.h"
#include "output/OutputRows.h"

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

// A user-defined key registered by each program that writes the settings file (the editor's
// User Key dialog and quick fix, kvf-lsp's command) reads back as it was sent in each program
// that reads it (the editor's settings library and store, kvfcheck's reader, kvf-lsp's
// settings), whatever the key's setting holds; a key the checker takes for no keyword is never
// written; and no other value of the file changes (for kvf-lsp, no other line: it writes
// through the engine's writer, where the editor's library writes the whole file anew).

const std::string kOtherSettings = "[Settings]\n"
                                   "Warnings=1\n"
                                   "LastDir=/home/ann/KVF Vorlagen\n"
                                   "\n"
                                   "[UserKeys]\n"
                                   "OLD_KEY=\"1;2;UCHAR\"\n"
                                   "Summary=\"OLD_KEY,\"\n"
                                   "\n"
                                   "[Checks]\n"
                                   "Disable=\"147, 136\"\n";

QString ToQt(const std::string& bytes) {
    return QString::fromUtf8(Windows1252ToUtf8(bytes));
}

enum class Writer { Editor, Server };

const char* NameOf(Writer writer) {
    return writer == Writer::Editor ? "the editor" : "kvf-lsp";
}

class NoRows : public MessageSink {
  public:
    void AddMessage(int, int, const std::string&, const Document*) override {}
    void ClearMessages() override {}
};

class Replies : public lsp::MessageOutput, public lsp::LogOutput {
  public:
    void Send(const std::string& json) override { sent.push_back(lsp::Json::parse(json)); }
    void Log(const std::string&) override {}
    std::vector<lsp::Json> sent;
};

// Registers the key as the writer does; whether it says it did.
bool Register(Writer writer, const QString& path, const std::string& key,
              const std::string& rangeText) {
    if (writer == Writer::Editor) {
        QtIniSettingsStore store(path);
        NoRows rows;
        AppServices app(store, rows);
        VectorTextLines lines;
        Document document(lines, "DEV.kvf", "/tmp/DEV.kvf");
        CDbEntry entry(key, "", 0, 0);
        const bool registered = ApplyUserKeyRegistration(app, document, entry, 1, 3, rangeText);
        store.Sync();
        return registered && store.Qt().status() == QSettings::NoError;
    }
    // Synchronous: the server answers the command on the calling thread.
    Replies out;
    lsp::Server server(out, out);
    const lsp::Json options = {{"settingsFile", path.toStdString()}};
    server.HandleOne(lsp::Dump({{"jsonrpc", "2.0"},
                                {"id", 1},
                                {"method", "initialize"},
                                {"params", {{"initializationOptions", options}}}}));
    const lsp::Json argument = {{"key", Windows1252ToUtf8(key)},
                                {"setting", Windows1252ToUtf8("1;3;" + rangeText)}};
    server.HandleOne(lsp::Dump(
        {{"jsonrpc", "2.0"},
         {"id", 2},
         {"method", "workspace/executeCommand"},
         {"params",
          {{"command", "kvf.registerUserKey"}, {"arguments", lsp::Json::array({argument})}}}}));
    for (const lsp::Json& message : out.sent)
        if (message.value("id", 0) == 2)
            return message.contains("result");
    ADD_FAILURE() << "no reply";
    return false;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A value as each reader reads it, each marked with the reader's name.
std::vector<std::string> Readings(const QString& path, const std::string& section,
                                  const std::string& name) {
    const QString key = ToQt(section) + "/" + ToQt(name);
    QSettings library(path, QSettings::IniFormat);
    const QVariant raw = library.value(key);
    std::string problem;
    auto server = lsp::ServerSettings::Load(path.toStdString(), problem);
    const IniSettingsStore engine = IniSettingsStore::FromText(FileBytes(path).toStdString());
    return {
        "library: " + (raw.typeId() == QMetaType::QString ? ToStore(raw.toString())
                                                          : std::string("<no text>")),
        "editor: " + QtIniSettingsStore(path).GetString(section, name, "<absent>"),
        "kvfcheck: " + engine.GetString(section, name, "<absent>"),
        "kvf-lsp: " + server->ForCheck().Settings->GetString(section, name, "<absent>"),
    };
}

std::vector<std::string> Expected(const std::string& value) {
    return {"library: " + value, "editor: " + value, "kvfcheck: " + value, "kvf-lsp: " + value};
}

std::vector<std::string> Lines(const QByteArray& text) {
    std::vector<std::string> lines;
    for (const QByteArray& line : text.split('\n'))
        lines.push_back(line.toStdString());
    return lines;
}

class RegisteredKeys : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        path_ = folder_.filePath("KVF_Ed.conf");
    }
    void Reset() {
        QFile file(path_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray::fromStdString(kOtherSettings));
    }
    void ExpectOtherValuesKept(const char* context) {
        EXPECT_EQ(Readings(path_, "Settings", "Warnings"), Expected("1")) << context;
        EXPECT_EQ(Readings(path_, "Settings", "LastDir"), Expected("/home/ann/KVF Vorlagen"))
            << context;
        EXPECT_EQ(Readings(path_, "UserKeys", "OLD_KEY"), Expected("1;2;UCHAR")) << context;
        EXPECT_EQ(Readings(path_, "Checks", "Disable"), Expected("147, 136")) << context;
    }

    QTemporaryDir folder_;
    QString path_;
};

TEST_F(RegisteredKeys, HostileSettingsReadBackInEveryReader) {
    for (Writer writer : {Writer::Editor, Writer::Server}) {
        for (const hostile::Text& key : hostile::RegistrableKeys()) {
            for (const hostile::Text& range : hostile::RangeTexts()) {
                const std::string context =
                    std::string(NameOf(writer)) + ", key " + key.name + ", range " + range.name;
                Reset();
                ASSERT_TRUE(Register(writer, path_, key.bytes, range.bytes)) << context;
                const std::string upper = ToUpperAscii(key.bytes);
                EXPECT_EQ(Readings(path_, "UserKeys", upper), Expected("1;3;" + range.bytes))
                    << context << "\n"
                    << FileBytes(path_).toStdString();
                EXPECT_EQ(Readings(path_, "UserKeys", "Summary"),
                          Expected("OLD_KEY," + upper + ","))
                    << context;
                ExpectOtherValuesKept(context.c_str());
                if (writer == Writer::Server) {
                    // The key's line comes, the summary's line is replaced; nothing else.
                    std::vector<std::string> before =
                        Lines(QByteArray::fromStdString(kOtherSettings));
                    std::vector<std::string> after = Lines(FileBytes(path_));
                    ASSERT_EQ(after.size(), before.size() + 1) << context;
                    int changed = 0;
                    for (std::size_t i = 0, j = 0; i < before.size(); ++i, ++j) {
                        if (before[i] == after[j])
                            continue;
                        ++changed;
                        if (before[i].starts_with("Summary="))
                            continue;
                        ++j; // the new key's line
                        EXPECT_EQ(before[i], after[j]) << context;
                    }
                    EXPECT_EQ(changed, 2) << context;
                }
            }
        }
    }
}

TEST_F(RegisteredKeys, KeysThatAreNoKeywordsAreNeverWritten) {
    for (Writer writer : {Writer::Editor, Writer::Server}) {
        for (const hostile::Text& key : hostile::UnregistrableKeys()) {
            Reset();
            EXPECT_FALSE(Register(writer, path_, key.bytes, "INT"))
                << NameOf(writer) << ", key " << key.name;
            EXPECT_EQ(FileBytes(path_).toStdString(), kOtherSettings)
                << NameOf(writer) << ", key " << key.name;
        }
    }
}

// A registration written by hand with bare semicolons, as users have them, still reads in the
// engine after kvf-lsp registered another key beside it.
TEST_F(RegisteredKeys, HandWrittenRegistrationsStay) {
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[UserKeys]\nMY_KEY=1;2;UCHAR\nSummary=MY_KEY,\n");
    file.close();
    ASSERT_TRUE(Register(Writer::Server, path_, "OTHER_KEY", "INT"));
    EXPECT_EQ(
        FileBytes(path_).toStdString(),
        "[UserKeys]\nMY_KEY=1;2;UCHAR\nSummary=\"MY_KEY,OTHER_KEY,\"\nOTHER_KEY=\"1;3;INT\"\n");
    const IniSettingsStore engine = IniSettingsStore::FromText(FileBytes(path_).toStdString());
    EXPECT_EQ(engine.GetString("UserKeys", "MY_KEY", ""), "1;2;UCHAR");
}

} // namespace
} // namespace kvf

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
