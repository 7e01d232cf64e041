#include "views/EntryDetails.h"

#include "core/CKeyDatabase.h"
#include "core/MessageIds.h"
#include "views/ViewText.h"

namespace kvf::views {
namespace {

// The string table's "%p" texts: the address as this platform prints a pointer.
QString PointerText(int id, const void* pointer) {
    return FromCodePage(MessageText(id))
        .replace(QStringLiteral("%p"), QString::asprintf("%p", pointer));
}

int TypeTextId(int type) {
    switch (type) {
    case TYPE_SIMPLE_STRING:
        return msg::DetailsTypeString;
    case TYPE_SIMPLE_UINT:
        return msg::DetailsTypeUint;
    case TYPE_SIMPLE_BOOL:
        return msg::DetailsTypeBool;
    case TYPE_OCTET_STRING:
        return msg::DetailsTypeOctetString;
    case TYPE_USER_KEY:
        return msg::DetailsTypeUserKey;
    default:
        return msg::TypeUnknown;
    }
}

int GroupTextId(unsigned group) {
    switch (group) {
    case PARENT_GENERAL:
        return msg::DetailsGroupGeneral;
    case PARENT_SLAVE:
        return msg::DetailsGroupSlave;
    case PARENT_MASTER:
        return msg::DetailsGroupMaster;
    case PARENT_MODULE:
        return msg::DetailsGroupModule;
    case PARENT_PHYSICAL_INTERFACES:
        return msg::DetailsGroupPhysicalInterfaces;
    case PARENT_MODULE_ASSIGNMENT:
        return msg::DetailsGroupModuleAssignment;
    case PARENT_SLAVE_EXT:
        return msg::DetailsGroupSlaveExt;
    case PARENT_SLAVE_DATA_EXCHNG:
        return msg::DetailsGroupSlaveDataExchange;
    case PARENT_MASTER_EXT:
        return msg::DetailsGroupMasterExt;
    default:
        return msg::DetailsGroupUnknown;
    }
}

} // namespace

QStringList EntryDetailsLines(const CDbEntry& entry, const CKeyDatabase& database) {
    QStringList lines;
    lines << ViewText(msg::DetailsKeyLabel) + " \"" + FromCodePage(entry.Key) + "\"";
    lines << ViewText(msg::DetailsValueLabel) + " \"" + FromCodePage(entry.Value) + "\"";
    lines << ViewText(msg::DetailsLongLine, entry.LongLine);
    lines << ViewText(msg::DetailsLine, entry.Line);
    const long index = database.IndexOf(&entry);
    lines << PointerText(msg::DetailsTreeHandle,
                         index < 0 ? nullptr : database.TreeNode(static_cast<std::size_t>(index)));
    lines << ViewText(msg::DetailsRangeLen, entry.RangeLen);
    lines << ViewText(msg::DetailsItemIndex, index, static_cast<long long>(database.Count()));
    lines << ViewText(TypeTextId(entry.Type));
    lines << ViewText(GroupTextId(entry.TreeGroup));
    lines << ViewText(entry.ModuleFlag == TYPE_MODULE_BEGIN ? msg::DetailsModuleBegin
                                                            : msg::DetailsModuleNone);
    lines << PointerText(msg::DetailsParentHandle, entry.hParent);
    const int ready[] = {msg::DetailsReady0, msg::DetailsReady1, msg::DetailsReady2,
                         msg::DetailsReady3};
    for (std::size_t i = 0; i < entry.m_Ready.size(); ++i)
        lines << ViewText(ready[i], entry.m_Ready[i]);
    return lines;
}

} // namespace kvf::views
