// The variables that open no dialog: an option is chosen among its group, a check box is
// ticked or cleared, and what hangs on them is switched on or off in the shown document; a
// help link shows its topic of the legal help.
#include "document/view/variable_dispatch.h"

#include "document/view/control_write_guard.h"
#include "model/variable_type.h"
#include "model/view_tables.h"
#include "framework/shell/html_help.h"

namespace {

const char kPlainTextName[] = "to jest zwykly tekst";
const char kLegalHelpFile[] = "\\prawo.chm::/";

// Values that generation shows as tables keep their fixed-width style when switched on.
bool IsTableType(VariableType type)
{
    return IsTextTableType(type) || IsGridTableType(type) || type == VariableType::RtfTable;
}

// The style generation gives an enabled value of the variable.
TextStyle EnabledStyle(const VariableSlot &variable)
{
    const VariableType type = VariableTypeOf(variable.type);
    if (IsTableType(type))
        return TextStyle::Table;
    if ((type == VariableType::Text || IsDateType(type)) && variable.untouched == 1)
        return TextStyle::DefaultValue;
    return TextStyle::Value;
}

} // namespace

bool VariableDispatch::IsAmount(int variable) const
{
    // Generation never switches amounts off, whatever link their slot holds.
    return m_tables.IsVariableNumber(variable) && IsAmountType(VariableTypeOf(m_tables.m_variables[variable].type));
}

EditOutcome VariableDispatch::ShowHelpLink(int slot)
{
    int start = 0, end = 0;
    m_control.GetSel(start, end);
    const VariableSlot &variable = m_tables.m_variables[Occurrence(slot)->variable];
    HtmlHelp(m_control.GetHwnd(), m_context.mainPath + kLegalHelpFile + variable.value, HH_DISPLAY_TOPIC, 0);
    m_control.SetSel(end, end);
    return EditOutcome::HelpShown;
}

EditOutcome VariableDispatch::EditOption(int slot)
{
    const int clicked = Occurrence(slot)->variable;
    VariableSlot &variable = m_tables.m_variables[clicked];
    if (VariableTypeOf(variable.type) == VariableType::Option) {
        if (variable.selected == 1)
            return EditOutcome::NothingToDo;
        // Options of no group stand alone: "no group" is no group to share.
        for (int i = 0; i < m_tables.GetVariableCount() && variable.groupNumber >= 0; ++i)
            if (i != clicked && VariableTypeOf(m_tables.m_variables[i].type) == VariableType::Option
                && m_tables.m_variables[i].groupNumber == variable.groupNumber)
                m_tables.m_variables[i].selected = 0;
        variable.selected = 1;
    } else {
        variable.selected = variable.selected == 1 ? 0 : 1;
    }
    variable.untouched = 0;

    const int clickedGroup = variable.groupNumber >= 0 ? variable.groupNumber : -1 - clicked;
    ControlWriteGuard guard(m_control.GetHwnd());
    ApplyOptionStates(clickedGroup);
    return EditOutcome::Written;
}

void VariableDispatch::ApplyOptionStates(int clickedGroup)
{
    // Marks are five characters each: nothing moves while they are written.
    for (int i = 0; i < m_tables.GetVariableCount(); ++i) {
        VariableSlot &option = m_tables.m_variables[i];
        if (!IsOptionType(VariableTypeOf(option.type)))
            continue;
        const int group = option.groupNumber >= 0 ? option.groupNumber : -1 - i;
        // The option's own occurrences follow the option that controls them.
        for (int j = 0; j < OccurrenceCount(); ++j) {
            VariableOccurrence *own = Occurrence(j);
            if (!own || own->variable != i || own->length <= 0 || !m_tables.IsVariableNumber(own->link))
                continue;
            own->enabled = m_tables.m_variables[own->link].selected == 1 ? 1 : 0;
            if (own->enabled == 0)
                option.selected = 0;
        }
        if (group == clickedGroup || option.selected != 1) {
            RestyleControlledBy(i, option.selected == 1);
            WriteOptionMark(i);
        }
    }
}

void VariableDispatch::RestyleControlledBy(int option, bool enabled)
{
    for (int j = 0; j < OccurrenceCount(); ++j) {
        VariableOccurrence *o = Occurrence(j);
        if (o && o->link == option && o->length > 0 && !IsAmount(o->variable)) {
            o->enabled = enabled ? 1 : 0;
            RestyleOccurrence(*o);
        }
    }
}

void VariableDispatch::WriteOptionMark(int option)
{
    const VariableSlot &variable = m_tables.m_variables[option];
    const bool isOption = VariableTypeOf(variable.type) == VariableType::Option;
    const char *mark = variable.selected != 1 ? " [ ] " : isOption ? " [o] " : " [x] ";
    for (int j = 0; j < OccurrenceCount(); ++j) {
        VariableOccurrence *o = Occurrence(j);
        if (!o || o->variable != option || o->length < 5)
            continue;
        m_control.SetSel(o->position, o->position + 5);
        m_control.ReplaceSel(mark);
        RestyleOccurrence(*o);
    }
}

void VariableDispatch::RestyleOccurrence(VariableOccurrence &occurrence)
{
    const bool enabled = occurrence.enabled != 0;
    TextStyle style = enabled ? TextStyle::Value : TextStyle::Disabled;
    if (occurrence.name == kPlainTextName)
        style = enabled ? TextStyle::Plain : TextStyle::PlainDisabled;
    else if (enabled && m_tables.IsVariableNumber(occurrence.variable))
        style = EnabledStyle(m_tables.m_variables[occurrence.variable]);
    m_control.SetSel(occurrence.position, occurrence.position + occurrence.length);
    m_control.SetSelectionFormat(MakeTextStyle(style));
}
