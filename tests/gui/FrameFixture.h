#pragma once

#include "GuiTestSupport.h"
#include "app/CChildFrame.h"
#include "app/CKVF_EdDoc.h"
#include "app/CMainFrame.h"
#include "app/LiveCheck.h"
#include "core/RunContext.h"
#include "views/CKVFTextView.h"
#include "views/CMyListBoxBar.h"

#include <QFile>

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A main window wired as the application wires it, over a settings file of its own;
// message boxes are recorded instead of shown.
struct FrameFixture {
    QTemporaryDir dir;
    QString settingsPath = dir.filePath("settings.ini");
    std::unique_ptr<kvf::QtIniSettingsStore> store;
    std::unique_ptr<kvf::CMainFrame> frame;
    std::unique_ptr<kvf::AppServices> app;
    QStringList alerts;

    explicit FrameFixture(const QString& settingsFile = QString()) {
        if (!settingsFile.isEmpty())
            QFile::copy(settingsFile, settingsPath);
        store = std::make_unique<kvf::QtIniSettingsStore>(settingsPath);
        frame = std::make_unique<kvf::CMainFrame>(*store);
        app = std::make_unique<kvf::AppServices>(*store, *frame);
        frame->AttachApp(*app);
        app->SetAlertSink(frame.get());
        frame->SetAlertHandler([this](const QString& text) { alerts << text; });
        frame->resize(1000, 700);
        frame->show();
    }
    ~FrameFixture() {
        // Nothing asks to save on the way out.
        for (kvf::CChildFrame* child : frame->Children())
            child->Doc().Text().setModified(false);
        frame.reset();
    }
    FrameFixture(const FrameFixture&) = delete;
    FrameFixture& operator=(const FrameFixture&) = delete;

    QString Write(const QString& name, const QByteArray& bytes) {
        QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

    // The output window's rows after the welcome row, as kvfcheck prints them.
    QStringList Rows() const {
        QStringList rows;
        kvf::CMyListBoxBar* output = frame->OutputWindow();
        for (int row = 0; row < output->RowCount(); ++row)
            rows << output->CellText(row, 0) + '\t' + output->CellText(row, 1) + '\t' +
                        output->CellText(row, 2);
        return rows;
    }
};

// Waits until the check as you type has nothing left to do for the text as it stands: a check
// of it has run and its marks are in the text. No deadline: the check's own thread is waited
// for, however busy the machine is, and a result that came before this call is not missed.
inline void SettleLiveCheck(kvf::LiveCheck& live) {
    live.CheckNow();
    while (live.IsRunning())
        live.WaitForRunning();
}
