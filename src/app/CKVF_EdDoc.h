#pragma once

#include "app/QtTextLines.h"
#include "core/Document.h"
#include "editing/LineBreaks.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QTextDocument;

namespace kvf {

class AppServices;

// Characters of the text that the file's code page (Windows-1252) cannot hold. A file with
// the UTF-8 byte order mark is UTF-8 text, which holds them all.
struct CharacterLoss {
    int Line = 0;           // 1-based, of the first such character
    std::size_t Column = 0; // 1-based, in characters
    QString Character;      // the first one
    std::size_t Count = 0;  // how many in the whole text
};

// One open KVF file. Its text lives in the text view's document (the master copy); this
// object holds the path, the entry database built from the text, the read-only flag and
// the line breaks of the file as read, so a save writes back exactly what was read
// wherever the user did not edit.
class CKVF_EdDoc : public QObject {
    Q_OBJECT
  public:
    CKVF_EdDoc(AppServices& app, QTextDocument& text, QObject* parent = nullptr);
    ~CKVF_EdDoc() override;

    // Reads the file into the text, writes the ".bak" copy (deleted again with NoBackup)
    // and builds the database from the text. False when the file cannot be read; the
    // failures of the backup copy are reported and the load goes on.
    bool Load(const QString& path, bool readOnly);
    // A new, untitled document: empty text, empty database.
    void InitNew(const QString& title);
    // A new, untitled document whose text is the template file's: read as a file is read,
    // database built, not modified. A template is never written, so it gets no backup
    // copy. False (and an empty document) when the file cannot be read.
    bool InitFromTemplate(const QString& title, const QString& templatePath);
    // Writes the text to `path` through a temporary file that replaces the old one only
    // when everything was written. False (and still modified) when nothing was saved.
    // A text with characters the code page cannot hold is written only when the loss
    // question answers true (they become '?'); without a question it is not written. A
    // UTF-8 file (read with the byte order mark) is written as UTF-8 with its mark, and
    // asks nothing.
    bool Save(const QString& path);
    bool Save() { return Save(path_); }

    // The file's backup name: the name cut before its first '.', plus ".bak", in the
    // current directory.
    static QString BackupPath(const QString& path);

    // The text as the bytes a save would write.
    std::string Bytes() const;

    QString Path() const { return path_; }
    QString FileName() const { return fileName_; }
    // The title the window shows: the file name, with '*' while modified.
    QString Title() const;
    bool IsUntitled() const { return path_.isEmpty(); }
    bool IsModified() const;
    bool IsReadOnly() const { return engine_.ReadOnly; }
    bool LoadInProgress() const { return loadInProgress_; }
    // How a loaded text enters the editor: by default set as it is; the document window
    // sets it through its text view, which colours a large text under a progress dialog.
    void SetTextLoader(std::function<void(const QString&)> loader) {
        loadText_ = std::move(loader);
    }

    // Asked before a save would replace characters by '?': true writes, false cancels.
    void SetLossQuestion(std::function<bool(const CharacterLoss&)> question) {
        lossQuestion_ = std::move(question);
    }

    QTextDocument& Text() const { return *text_; }
    Document& Engine() { return engine_; }
    const Document& Engine() const { return engine_; }
    // The text as the engine reads it: its bytes, converted once after each edit.
    const QtTextLines& Lines() const { return lines_; }

  signals:
    void titleChanged(const QString& title);

  private:
    // The whole file, or no value after the load failure has been shown.
    std::optional<QByteArray> ReadWholeFile(const QString& path);
    void WriteBackup();
    void BuildDatabase();
    void SetPath(const QString& path);
    void UpdateTitle();
    std::vector<std::string> CurrentLines() const;
    // The first character the code page cannot hold and how many there are; Count 0 if none.
    CharacterLoss FindCharacterLoss() const;
    // Writes '?' into the text for each such character, as one undo step.
    void ReplaceLostCharacters();

    AppServices* app_;
    QTextDocument* text_;
    QtTextLines lines_;
    Document engine_;
    SplitText saved_; // the text as read or last saved
    QString path_;
    QString fileName_;
    bool loadInProgress_ = false;
    std::function<void(const QString&)> loadText_;
    std::function<bool(const CharacterLoss&)> lossQuestion_;
    void SetLoadedText(const QString& text);
    // The file's bytes become the text as read: its lines, breaks and encoding.
    void TakeFileText(std::string_view bytes);
};

} // namespace kvf
