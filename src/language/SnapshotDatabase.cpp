#include "language/SnapshotDatabase.h"

#include "catalogue/KeywordCatalogue.h"
#include "core/AppServices.h"
#include "core/MessageSink.h"
#include "core/RunContext.h"
#include "document/FileReader.h"

namespace kvf::language {
namespace {

class NoMessages : public MessageSink {
  public:
    void AddMessage(int, int, const std::string&, const Document*) override {}
    void ClearMessages() override {}
};

} // namespace

SnapshotDatabase::SnapshotDatabase(const Snapshot& snapshot, const CheckSettings& settings)
    : lines_(snapshot.Text) {
    SettingsStore& store = const_cast<SettingsStore&>(*settings.Settings);
    NoMessages messages;
    AppServices services(store, messages);
    RunContext run(services);
    BuildDatabase(run, database_, lines_);
}

const CDbEntry* SnapshotDatabase::EntryAt(int line) const {
    for (const CDbEntry& entry : database_) {
        if (entry.LongLine > line)
            break;
        if (line <= entry.Line)
            return &entry;
    }
    return nullptr;
}

const CDbEntry* SnapshotDatabase::BlockAround(int line) const {
    // The last entry before the line tells: its own block when it opens one, else its
    // parent, unless it ends that block (an end keyword is the block's last child).
    const CDbEntry* before = nullptr;
    for (const CDbEntry& entry : database_) {
        if (entry.LongLine >= line)
            break;
        before = &entry;
    }
    if (!before)
        return nullptr;
    if (before->ModuleFlag == TYPE_MODULE_BEGIN)
        return before;
    const CDbEntry* block = before->hParent;
    // An end keyword is the last entry of the block it closes.
    CatalogueMatch match = KeywordCatalogue::Instance().Find(std::string(before->Key));
    if (block && match && !match.Row->BlockBegin && !match.Row->BlockPartner.empty())
        return block->hParent;
    return block;
}

} // namespace kvf::language
