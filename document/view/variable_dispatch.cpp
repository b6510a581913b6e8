#include "document/view/variable_dispatch.h"

#include <cstdlib>

#include "app/number_format.h"
#include "app/working_days.h"
#include "model/config_file.h"
#include "document/view/control_write_guard.h"
#include "document/engine/rtf_table.h"
#include "document/engine/text_tables.h"
#include "document/engine/value_rendering.h"
#include "document/view/value_editor_runner.h"
#include "document/view/view_services.h"
#include "model/order_kind.h"
#include "model/variable_type.h"
#include "model/view_tables.h"
#include "framework/core/oledatetime.h"

namespace {

const char kPlainTextName[] = "to jest zwykly tekst";
const char kPlaceholderName[] = "TUTAJ NOWA ZMIENNA";
const char kOfferDateName[] = "data składania ofert";
const char kOfferDaysOption[] = "wskaż ilość dni związania ofertą";
const char kOfferValidityName[] = "termin związania ofertą";
const char kEmptyTextValue[] = "..............................";
const int kOfferValidityDays = 30;
const int kSpecialSetWidth = 580;

bool IsSpecialSet(int procedureCode)
{
    return procedureCode % 100 == 96 || procedureCode % 100 == 98;
}

CString Folded(const CString &text)
{
    CString folded = text;
    folded.MakeLower();
    folded.Trim();
    return folded;
}

} // namespace

CString AddDaysToDateText(const CString &date, int days)
{
    if (date.GetLength() != 10 || date[4] != '-' || date[7] != '-')
        return CString();
    COleDateTime day;
    if (day.SetDate(atoi(date.Left(4)), atoi(date.Mid(5, 2)), atoi(date.Right(2))) != 0)
        return CString();
    const COleDateTime later(static_cast<DATE>(day) + days);
    CString text;
    text.Format("%04d-%02d-%02d", later.GetYear(), later.GetMonth(), later.GetDay());
    return text;
}

VariableDispatch::VariableDispatch(HWND control, ViewTables &tables, const DispatchContext &context,
                                   ValueEditorRunner *editors, int &modified)
    : m_control(control), m_tables(tables), m_context(context), m_editors(editors), m_bModified(modified)
{
}

int VariableDispatch::OccurrenceCount() const
{
    return m_tables.GetVariableCount() < kVariableOccurrences ? m_tables.GetVariableCount() : kVariableOccurrences;
}

VariableOccurrence *VariableDispatch::Occurrence(int slot) const
{
    // Documents without a block of their own have no occurrences to edit.
    const OccurrenceBlock *block =
        static_cast<const OccurrenceTable &>(m_tables.m_occurrences).Block(m_context.currentDocument);
    return block ? const_cast<VariableOccurrence *>(block->Variable(slot)) : nullptr;
}

int VariableDispatch::FindOccurrence(int position) const
{
    for (int k = 0; k < OccurrenceCount(); ++k) {
        const VariableOccurrence *o = Occurrence(k);
        if (!o)
            return -1;
        if (o->position > 0 && o->length > 0 && o->position <= position && position < o->position + o->length)
            return k;
    }
    return -1;
}

EditOutcome VariableDispatch::EditVariableAt(int position, int character)
{
    const int shown = m_context.currentDocument;
    if (m_context.proceedingKind == 1 || m_context.proceedingKind == 5)
        return EditOutcome::Refused;
    if (shown >= 0 && shown < kDocumentSlots && m_tables.m_documents[shown].secured)
        return EditOutcome::Refused;
    m_bModified = 1;

    const int slot = FindOccurrence(position);
    if (slot < 0)
        return EditOutcome::Refused;
    const VariableOccurrence &occurrence = *Occurrence(slot);
    if (!m_tables.IsVariableNumber(occurrence.variable))
        return EditOutcome::Refused;
    const VariableType type = VariableTypeOf(m_tables.m_variables[occurrence.variable].type);

    if (occurrence.name == kPlaceholderName) {
        m_entriesBlock = occurrence.variable;
        m_control.SetSel(occurrence.position, occurrence.position);
        return EditOutcome::EditEntries;
    }
    if (type == VariableType::HelpLink)
        return ShowHelpLink(slot);

    EditOutcome outcome;
    if (occurrence.name == kPlainTextName || occurrence.enabled == 0) {
        return EditOutcome::NotEditable;
    } else if (IsOptionType(type)) {
        outcome = EditOption(slot);
    } else if (!HasEditor(type) || !m_editors) {
        outcome = EditOutcome::NothingToDo;
    } else if (type == VariableType::Text) {
        outcome = EditText(slot, position, character);
    } else if (IsAmountType(type)) {
        outcome = EditPrice(slot);
    } else if (IsDateType(type)) {
        outcome = EditDate(slot);
    } else if (IsListType(type)) {
        outcome = EditList(slot);
    } else if (type == VariableType::OffersSummary) {
        outcome = EditOffersSummary(slot);
    } else if (IsDocumentListType(type)) {
        outcome = EditDocumentList(slot);
    } else if (IsGridTableType(type)) {
        outcome = EditGridTable(slot);
    } else if (type == VariableType::RtfTable) {
        outcome = EditTable(slot);
    } else {
        outcome = EditOutcome::NothingToDo;
    }

    m_control.SetSel(position, position);
    SetFocus(m_control.GetHwnd());
    return outcome;
}

bool VariableDispatch::ShowsStoredValue(int variable) const
{
    return m_tables.m_variables[variable].untouched == 0 || IsSpecialSet(m_context.procedureCode);
}

CString VariableDispatch::BuyerDataText(int variable) const
{
    if (!m_context.buyerData || variable == 0)
        return CString();
    for (int row = 0; row < m_tables.m_nBuyerDataRows && row < kBuyerDataRows; ++row)
        for (int column = 0; column < kBuyerDataColumns; ++column)
            if (m_tables.m_buyerDataMap[row][column] == variable && !m_context.buyerData[column].IsEmpty())
                return m_context.buyerData[column];
    return CString();
}

CString VariableDispatch::Label(int variable) const
{
    // An instance of a repeated block is described under the variable it was made from.
    const DynamicVariable *instance = m_tables.FindDynamicVariable(variable);
    return GetCommentText(m_context.comments, instance ? instance->templateVariable : variable);
}

EditOutcome VariableDispatch::EditText(int slot, int position, int character)
{
    const VariableOccurrence &occurrence = *Occurrence(slot);
    const int v = occurrence.variable;
    VariableSlot &variable = m_tables.m_variables[v];

    TextEditRequest request;
    request.helpFolder = m_context.mainPath;
    request.label = Label(v);
    request.legalTopic = m_context.legalTopic;
    request.variableName = occurrence.name;
    const bool stored = ShowsStoredValue(v);
    request.value = stored ? variable.value : BuyerDataText(v);
    request.keyChar = stored ? character : 0;
    request.clickOffset = position - occurrence.position;
    request.windowWidth = IsSpecialSet(m_context.procedureCode) ? kSpecialSetWidth : 0;
    request.propagationIndex = FindInSemicolonList(m_tables, v);
    if (!m_editors->EditText(request))
        return EditOutcome::Cancelled;

    CString text = request.value;
    NormalizeNewlines(text);
    if (text.IsEmpty())
        text = kEmptyTextValue;
    variable.untouched = 0;
    ControlWriteGuard guard(m_control.GetHwnd());
    SetValueAndText(v, text);
    return EditOutcome::Written;
}

EditOutcome VariableDispatch::EditPrice(int slot)
{
    const VariableOccurrence &occurrence = *Occurrence(slot);
    const int v = occurrence.variable;
    VariableSlot &variable = m_tables.m_variables[v];

    PriceEditRequest request;
    request.caption = occurrence.name;
    request.value = variable.value;
    if (!m_editors->EditPrice(request))
        return EditOutcome::Cancelled;
    variable.untouched = 0;
    variable.value = request.value;

    // The other currency follows from the rate; without a rate it is left as it stands.
    const double amount = StrToDouble(request.value);
    const int rate = m_context.euroRate;
    CString zloty, euro;
    if (VariableTypeOf(variable.type) == VariableType::AmountZloty) {
        zloty = request.value;
        if (rate > 0)
            euro = FormatAmount(DoubleToStr2(amount / (rate / 10000.0)));
    } else {
        euro = request.value;
        if (rate > 0)
            zloty = FormatScaledNumber(amount * rate, ".2");
    }

    // A price without a group is a pair of its own, never of every other ungrouped price.
    const int group = variable.groupNumber;
    ControlWriteGuard guard(m_control.GetHwnd());
    for (int j = 0; j < OccurrenceCount(); ++j) {
        VariableOccurrence *o = Occurrence(j);
        if (!o || !m_tables.IsVariableNumber(o->variable) || (o->position <= 0 && o->length <= 0))
            continue;
        VariableSlot &other = m_tables.m_variables[o->variable];
        const bool sameGroup = o->variable == v || (group >= 0 && other.groupNumber == group);
        CString text;
        const VariableType otherType = VariableTypeOf(other.type);
        if (sameGroup && otherType == VariableType::AmountZloty && !zloty.IsEmpty())
            text = other.value = zloty;
        else if (sameGroup && otherType == VariableType::AmountEuro && !euro.IsEmpty())
            text = other.value = euro;
        else if (group >= 0 && o->variable == group)
            text = other.value;
        if (!text.IsEmpty())
            ReplaceOccurrence(*o, text);
    }
    return EditOutcome::Written;
}

EditOutcome VariableDispatch::EditDate(int slot)
{
    const VariableOccurrence &occurrence = *Occurrence(slot);
    const int v = occurrence.variable;
    VariableSlot &variable = m_tables.m_variables[v];

    DateEditRequest request;
    request.schedulePath = m_context.schedulePath;
    request.variableName = occurrence.name;
    request.value = variable.value;
    const VariableType type = VariableTypeOf(variable.type);
    request.mode = type == VariableType::Date ? 0 : type == VariableType::ScheduleDate ? 1 : 2;
    request.procedureCode = m_context.procedureCode;
    request.worksOrder = IsWorksOrder(m_tables);
    if (!m_editors->EditDate(request))
        return EditOutcome::Cancelled;

    variable.untouched = 0;
    ControlWriteGuard guard(m_control.GetHwnd());
    SetValueAndText(v, request.value);
    ApplyDateDefault(v, request.value);
    KeepOfferValidity(occurrence, request.value);
    return EditOutcome::Written;
}

EditOutcome VariableDispatch::EditList(int slot)
{
    const int v = Occurrence(slot)->variable;
    VariableSlot &variable = m_tables.m_variables[v];

    ListEditRequest request;
    request.listKind = TableKindOf(VariableTypeOf(variable.type));
    request.partCount = m_tables.m_nParts;
    request.value = ShowsStoredValue(v) ? variable.value : CString();
    if (!m_editors->EditList(request))
        return EditOutcome::Cancelled;

    variable.untouched = 0;
    variable.value = request.value;
    ControlWriteGuard guard(m_control.GetHwnd());
    WriteText(v, BuildDocumentTable(TableValueText(request.value), request.listKind, m_tables.m_nParts),
              TextStyle::Table);
    return EditOutcome::Written;
}

EditOutcome VariableDispatch::EditOffersSummary(int slot)
{
    const int v = Occurrence(slot)->variable;
    VariableSlot &variable = m_tables.m_variables[v];

    // The summary opens with the stored offers also while they are the template's.
    OffersSummaryEditRequest request;
    request.value = variable.value;
    if (!m_editors->EditOffersSummary(request))
        return EditOutcome::Cancelled;

    variable.untouched = 0;
    variable.value = request.value;
    int badRows = 0;
    {
        ControlWriteGuard guard(m_control.GetHwnd());
        // The offers summary is shown as the text table of offers with their criterion points.
        const int kind = TableKindOf(VariableType::OffersSummary);
        WriteText(v, BuildDocumentTable(TableValueText(request.value), kind, m_tables.m_nParts, &badRows),
                  TextStyle::Table);
    }
    ReportBadSelectedOfferRows(GetAncestor(m_control.GetHwnd(), GA_ROOT), badRows);
    return EditOutcome::Written;
}

EditOutcome VariableDispatch::EditDocumentList(int slot)
{
    const VariableOccurrence &occurrence = *Occurrence(slot);
    const int v = occurrence.variable;
    VariableSlot &variable = m_tables.m_variables[v];

    DocumentListEditRequest request;
    request.caption = occurrence.name;
    request.value = ShowsStoredValue(v) ? variable.value : CString();
    if (!m_editors->EditDocumentList(request))
        return EditOutcome::Cancelled;

    variable.untouched = 0;
    variable.value = request.value;
    const VariableType type = VariableTypeOf(variable.type);
    ControlWriteGuard guard(m_control.GetHwnd());
    WriteTextOf(
        v,
        [&](const VariableOccurrence &o) {
            return type == VariableType::DashList       ? RenderDashList(request.value)
                   : type == VariableType::LetteredList ? RenderLetteredList(request.value)
                                                        : RenderNumberedList(o.name, request.value);
        },
        TextStyle::Value);
    return EditOutcome::Written;
}

EditOutcome VariableDispatch::EditGridTable(int slot)
{
    const VariableOccurrence &occurrence = *Occurrence(slot);
    const int v = occurrence.variable;
    VariableSlot &variable = m_tables.m_variables[v];

    GridTableEditRequest request;
    const VariableType type = VariableTypeOf(variable.type);
    request.mode = type == VariableType::NumberedTable ? 1 : type == VariableType::Table ? 0 : 2;
    request.caption = occurrence.name;
    request.value = variable.value;
    if (!m_editors->EditGridTable(request))
        return EditOutcome::Cancelled;

    variable.untouched = 0;
    variable.value = request.value;
    const CString body = TableValueText(request.value);
    ControlWriteGuard guard(m_control.GetHwnd());
    WriteTextOf(
        v, [&](const VariableOccurrence &o) { return BuildRecordList(o.name, body); }, TextStyle::Table);
    return EditOutcome::Written;
}

EditOutcome VariableDispatch::EditTable(int slot)
{
    const VariableOccurrence &occurrence = *Occurrence(slot);
    const int v = occurrence.variable;
    VariableSlot &variable = m_tables.m_variables[v];

    TableEditRequest request;
    request.project = m_context.project;
    request.name = occurrence.name;
    request.value = variable.value;
    if (!m_editors->EditTable(request))
        return EditOutcome::Cancelled;

    variable.untouched = 0;
    variable.value = request.value;
    const CString rtf = TableTextToRtf(request.value, v);
    ControlWriteGuard guard(m_control.GetHwnd());
    for (int j = 0; j < OccurrenceCount(); ++j) {
        VariableOccurrence *o = Occurrence(j);
        if (o && o->variable == v && (o->position > 0 || o->length > 0))
            variable.insertedLength = ReplaceOccurrenceWithRtf(*o, rtf, TextStyle::Table);
    }
    return EditOutcome::Written;
}

void VariableDispatch::ApplyDateDefault(int variable, const CString &date)
{
    for (int r = 0; r < m_tables.m_nDateDefaultRows && r < kDateDefaultRows; ++r) {
        const DateDefaultRow &row = m_tables.m_dateDefaults[r];
        if (row.source != variable)
            continue;
        // The dependent date is the end of a period the act caps (the binding period: 30 or
        // 90 days), so it is counted in calendar days and never moved past a day off.
        const CString target = AddDaysToDateText(date, row.days);
        if (!target.IsEmpty() && m_tables.IsVariableNumber(row.target)) {
            m_tables.m_variables[row.target].untouched = 0;
            SetValueAndText(row.target, target);
        }
        return;
    }
}

void VariableDispatch::KeepOfferValidity(const VariableOccurrence &edited, const CString &date)
{
    if (Folded(edited.name) != kOfferDateName)
        return;
    int days = kOfferValidityDays;
    for (int j = 0; j < OccurrenceCount(); ++j) {
        const VariableOccurrence *o = Occurrence(j);
        if (!o || !m_tables.IsVariableNumber(o->variable))
            continue;
        const VariableSlot &option = m_tables.m_variables[o->variable];
        if (VariableTypeOf(option.type) == VariableType::Option && option.selected == 1
            && Folded(o->hint) == kOfferDaysOption) {
            days = atoi(option.value);
            break;
        }
    }
    const CString validity = AddDaysToDateText(date, days);
    if (validity.IsEmpty())
        return;
    for (int j = 0; j < OccurrenceCount(); ++j) {
        const VariableOccurrence *o = Occurrence(j);
        if (o && m_tables.IsVariableNumber(o->variable) && Folded(o->name) == kOfferValidityName
            && m_tables.m_variables[o->variable].value != validity) {
            m_tables.m_variables[o->variable].untouched = 0;
            SetValueAndText(o->variable, validity);
        }
    }
}

void VariableDispatch::SetValueAndText(int variable, const CString &value)
{
    m_tables.m_variables[variable].value = value;
    WriteText(variable, value, TextStyle::Value);
}

void VariableDispatch::WriteText(int variable, const CString &text, TextStyle enabledStyle)
{
    WriteTextOf(
        variable, [&](const VariableOccurrence &) { return text; }, enabledStyle);
}

void VariableDispatch::WriteTextOf(int variable, const std::function<CString(const VariableOccurrence &)> &textOf,
                                   TextStyle enabledStyle)
{
    for (int j = 0; j < OccurrenceCount(); ++j) {
        VariableOccurrence *o = Occurrence(j);
        if (o && o->variable == variable && (o->position > 0 || o->length > 0)) {
            CString shown = textOf(*o);
            NormalizeNewlines(shown);
            ReplaceOccurrence(*o, shown, enabledStyle);
        }
    }
}

void VariableDispatch::ReplaceOccurrence(VariableOccurrence &occurrence, const CString &text, TextStyle enabledStyle)
{
    const int start = occurrence.position;
    const int oldLength = occurrence.length;
    m_control.SetSel(start, start + oldLength);
    m_control.ReplaceSel(text);
    FinishReplacement(occurrence, oldLength, text.GetLength(), enabledStyle);
}

int VariableDispatch::ReplaceOccurrenceWithRtf(VariableOccurrence &occurrence, const CString &rtf,
                                               TextStyle enabledStyle)
{
    const int oldLength = occurrence.length;
    m_control.SetSel(occurrence.position, occurrence.position + oldLength);
    const int before = m_control.GetTextLength();
    m_control.InsertRtf(rtf, true);
    const int length = m_control.GetTextLength() - before + oldLength;
    FinishReplacement(occurrence, oldLength, length, enabledStyle);
    return length;
}

void VariableDispatch::FinishReplacement(VariableOccurrence &occurrence, int oldLength, int newLength,
                                         TextStyle enabledStyle)
{
    const int start = occurrence.position;
    m_control.SetSel(start, start + newLength);
    m_control.SetSelectionFormat(MakeTextStyle(occurrence.enabled == 0 ? TextStyle::Disabled : enabledStyle));
    occurrence.length = newLength;
    ShiftAfter(start, newLength - oldLength, &occurrence);
}

void VariableDispatch::ShiftAfter(int position, int delta, const VariableOccurrence *except)
{
    if (delta == 0)
        return;
    for (int j = 0; j < OccurrenceCount(); ++j) {
        VariableOccurrence *o = Occurrence(j);
        if (o && o != except && o->position > position)
            o->position += delta;
    }
    OccurrenceBlock *block = m_tables.m_occurrences.Block(m_context.currentDocument);
    for (int slot = kFirstHeadingSlot; block && slot < kHeadingSlotEnd; ++slot) {
        VariableOccurrence *heading = block->Heading(slot);
        if (heading && heading->position > position)
            heading->position += delta;
    }
    // Page breaks are kept at positions of the finished text, so they move with it too.
    for (int r = 0; r < m_tables.m_nPageBreaks && r < kPageBreakMarks; ++r) {
        PageBreakMark &mark = m_tables.m_pageBreaks[r];
        if (mark.document == m_context.currentDocument && mark.position > position)
            mark.position += delta;
    }
}
