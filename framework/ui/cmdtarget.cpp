#include "framework/ui/cmdtarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace {
const MessageMapEntry noEntries[] = {{0, 0, 0, 0, nullptr, nullptr}};
const MessageMap cmdTargetMap = {nullptr, noEntries};

const MessageMap *BaseOf(const MessageMap *map)
{
    return map->base ? map->base() : nullptr;
}
} // namespace

const MessageMap *CCmdTarget::GetThisMessageMap()
{
    return &cmdTargetMap;
}
const MessageMap *CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    UINT message = WM_COMMAND;
    UINT code = CN_UPDATE_COMMAND_UI;
    if ((UINT)nCode != CN_UPDATE_COMMAND_UI) {
        if (HIWORD(nCode) != 0)
            message = HIWORD(nCode);
        code = LOWORD(nCode);
    }
    for (const MessageMap *map = GetMessageMap(); map; map = BaseOf(map)) {
        for (const MessageMapEntry *entry = map->entries; entry->call; ++entry) {
            if (entry->registeredMessage || entry->message != message || entry->code != code || nID < entry->firstId
                || nID > entry->lastId)
                continue;
            if (pHandlerInfo) {
                pHandlerInfo->pTarget = this;
                pHandlerInfo->entry = entry;
                return TRUE;
            }
            HandlerArgs args{message, 0, 0, nID, pExtra, 0};
            return entry->call(*this, args);
        }
    }
    return FALSE;
}

const MessageMapEntry *CCmdTarget::FindMessageEntry(UINT message) const
{
    for (const MessageMap *map = GetMessageMap(); map; map = BaseOf(map)) {
        for (const MessageMapEntry *entry = map->entries; entry->call; ++entry) {
            if (entry->registeredMessage ? *entry->registeredMessage == message : entry->message == message)
                return entry;
        }
    }
    return nullptr;
}

void CCmdTarget::BeginWaitCursor()
{
    ::SetCursor(::LoadCursorW(nullptr, (LPCWSTR)IDC_WAIT));
}
void CCmdTarget::EndWaitCursor()
{
    ::SetCursor(::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW));
}
void CCmdTarget::RestoreWaitCursor()
{
    BeginWaitCursor();
}

CWaitCursor::CWaitCursor()
{
    Restore();
}
CWaitCursor::~CWaitCursor()
{
    ::SetCursor(::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW));
}
void CWaitCursor::Restore()
{
    ::SetCursor(::LoadCursorW(nullptr, (LPCWSTR)IDC_WAIT));
}
