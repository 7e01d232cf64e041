#include "app/CKVF_EdDoc.h"

#include "core/AppServices.h"
#include "core/MessageIds.h"
#include "document/CheckRun.h"
#include "views/UiText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace kvf {
namespace {

// Clears a flag on every way out of a scope.
class FlagScope {
  public:
    explicit FlagScope(bool& flag) : flag_(&flag) { *flag_ = true; }
    ~FlagScope() { *flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool* flag_;
};

// A line of well-formed UTF-8 as text. A U+FEFF at its start is a character of the line (the
// file's own mark is already apart), which a plain UTF-8 decoding would drop.
QString Utf8Line(const std::string& line) {
    QStringDecoder decode(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decode(QByteArrayView(line.data(), static_cast<qsizetype>(line.size())));
}

QString JoinForEditor(const SplitText& split) {
    QString text;
    for (std::size_t i = 0; i < split.Lines.size(); ++i) {
        if (i > 0)
            text += QChar('\n');
        text += split.IsUtf8() ? Utf8Line(split.EditorLine(i)) : FromBytes(split.Lines[i]);
    }
    return text;
}

} // namespace

CKVF_EdDoc::CKVF_EdDoc(AppServices& app, QTextDocument& text, QObject* parent)
    : QObject(parent), app_(&app), text_(&text), lines_(text), engine_(lines_, "", "") {
    TakeFileText("");
    connect(text_, &QTextDocument::modificationChanged, this, [this] { UpdateTitle(); });
}

CKVF_EdDoc::~CKVF_EdDoc() = default;

QString CKVF_EdDoc::BackupPath(const QString& path) {
    QString name = QFileInfo(path).fileName();
    qsizetype dot = name.indexOf('.');
    if (dot >= 0)
        name.truncate(dot);
    return QDir::current().absoluteFilePath(name + ".bak");
}

bool CKVF_EdDoc::Load(const QString& path, bool readOnly) {
    FlagScope loading(loadInProgress_);
    std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes)
        return false;

    TakeFileText(std::string_view(bytes->constData(), bytes->size()));
    SetLoadedText(JoinForEditor(saved_));
    text_->setModified(false);
    engine_.ReadOnly = readOnly;
    SetPath(path);

    WriteBackup();
    // The database always comes from the text in memory, so a backup that could not be
    // written never leaves the document without its entries.
    BuildDatabase();
    return true;
}

void CKVF_EdDoc::TakeFileText(std::string_view bytes) {
    saved_ = SplitText::FromBytes(bytes);
    // A file with the UTF-8 mark is UTF-8 text: the engine reads its characters, as kvfcheck
    // reads that file.
    lines_.SetEncoding(saved_.IsUtf8() ? FileEncoding::Utf8 : FileEncoding::Windows1252);
}

void CKVF_EdDoc::SetLoadedText(const QString& text) {
    if (loadText_)
        loadText_(text);
    else
        text_->setPlainText(text);
}

std::optional<QByteArray> CKVF_EdDoc::ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        app_->Alert(std::string(MessageText(msg::LoadFailed)));
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        app_->Alert(std::string(MessageText(msg::LoadFailed)));
        return std::nullopt;
    }
    return bytes;
}

void CKVF_EdDoc::WriteBackup() {
    QString backup = BackupPath(path_);
    // A file whose own name is its backup name ("dev.bak" opened from the current
    // folder) must not be truncated, nor deleted for NoBackup.
    if (QFileInfo(backup).canonicalFilePath() == QFileInfo(path_).canonicalFilePath())
        return;
    QFile file(backup);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Truncate)) {
        app_->Alert(std::string(MessageText(msg::BackupCreateFailed)));
        return;
    }
    std::string bytes = saved_.ToBytes();
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size()))
        app_->Alert(std::string(MessageText(msg::BackupWriteFailed)));
    if (!file.flush()) {
        app_->Alert(std::string(MessageText(msg::BackupCloseFailed)));
        return; // the backup stays
    }
    file.close();
    if (app_->Settings().GetInt("Settings", "NoBackup", 0) == 1)
        QFile::remove(backup);
}

void CKVF_EdDoc::BuildDatabase() {
    Rebuild(*app_, engine_);
}

void CKVF_EdDoc::InitNew(const QString& title) {
    TakeFileText("");
    text_->setPlainText(QString());
    text_->setModified(false);
    path_.clear();
    fileName_ = title;
    engine_.ReadOnly = false;
    engine_.PathName.clear();
    UpdateTitle();
    BuildDatabase();
}

bool CKVF_EdDoc::InitFromTemplate(const QString& title, const QString& templatePath) {
    InitNew(title);
    FlagScope loading(loadInProgress_);
    std::optional<QByteArray> bytes = ReadWholeFile(templatePath);
    if (!bytes)
        return false;
    // The template's line ends and encoding are what a first save writes.
    TakeFileText(std::string_view(bytes->constData(), bytes->size()));
    SetLoadedText(JoinForEditor(saved_));
    text_->setModified(false);
    UpdateTitle();
    BuildDatabase();
    return true;
}

std::vector<std::string> CKVF_EdDoc::CurrentLines() const {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(text_->blockCount()));
    const bool utf8 = saved_.IsUtf8();
    for (QTextBlock block = text_->begin(); block.isValid(); block = block.next())
        lines.push_back(utf8 ? block.text().toStdString() : ToBytes(block.text()));
    return lines;
}

CharacterLoss CKVF_EdDoc::FindCharacterLoss() const {
    CharacterLoss loss;
    if (saved_.IsUtf8())
        return loss; // UTF-8 holds every character
    for (QTextBlock block = text_->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        // ASCII lines, most of any file, need no conversion.
        bool plain = true;
        for (QChar c : line)
            if (c.unicode() >= 0x80) {
                plain = false;
                break;
            }
        if (plain)
            continue;
        UnencodableCharacter first;
        std::size_t count = CountUnencodable(line.toStdString(), &first);
        if (count > 0 && loss.Count == 0) {
            loss.Line = block.blockNumber() + 1;
            loss.Column = first.Column;
            loss.Character = QString::fromStdString(first.Utf8);
        }
        loss.Count += count;
    }
    return loss;
}

void CKVF_EdDoc::ReplaceLostCharacters() {
    QTextCursor cursor(text_);
    cursor.beginEditBlock(); // one undo step
    for (QTextBlock block = text_->begin(); block.isValid(); block = block.next()) {
        QString written = FromBytes(ToBytes(block.text()));
        if (written == block.text())
            continue;
        cursor.setPosition(block.position());
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(written);
    }
    cursor.endEditBlock();
}

std::string CKVF_EdDoc::Bytes() const {
    return ComposeBytes(saved_, CurrentLines());
}

bool CKVF_EdDoc::Save(const QString& path) {
    FlagScope saving(loadInProgress_);
    if (engine_.ReadOnly) {
        // Refused: the edits are not on disk, so the document stays modified.
        app_->Alert(std::string(MessageText(msg::FileWriteProtected)));
        return false;
    }
    // No character is replaced by '?' without the user's word; once given, the text shows
    // what the file holds.
    if (CharacterLoss loss = FindCharacterLoss(); loss.Count > 0) {
        if (!(lossQuestion_ && lossQuestion_(loss)))
            return false;
        ReplaceLostCharacters();
    }
    std::string bytes = Bytes();
    // The old file is replaced only once every byte is written: a failed write leaves
    // it whole and the document still modified.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly) &&
                   file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                       static_cast<qint64>(bytes.size());
    if (!written || !file.commit()) {
        file.cancelWriting();
        app_->Alert(std::string(MessageText(msg::SaveWriteFailed)));
        return false;
    }
    TakeFileText(bytes);
    SetPath(path);
    text_->setModified(false);
    UpdateTitle();
    return true;
}

void CKVF_EdDoc::SetPath(const QString& path) {
    path_ = path;
    fileName_ = QFileInfo(path).fileName();
    engine_.PathName = ToBytes(QFileInfo(path).absoluteFilePath());
    UpdateTitle();
}

bool CKVF_EdDoc::IsModified() const {
    return text_->isModified();
}

QString CKVF_EdDoc::Title() const {
    return fileName_ + (IsModified() ? "*" : "");
}

void CKVF_EdDoc::UpdateTitle() {
    QString title = Title();
    engine_.Title = ToBytes(title);
    emit titleChanged(title);
}

} // namespace kvf
