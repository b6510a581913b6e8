#include "document/tag_replacement.h"

#include "document/rich_edit_text.h"
#include "document/rtf_table.h"
#include "document/template_engine.h"
#include "document/text_styles.h"
#include "document/text_tables.h"
#include "document/value_rendering.h"
#include "document/variable_tags.h"
#include "document/view_tables.h"

namespace {

const char kPlainLinkName[] = "to jest zwykly tekst";
const char kAddEntryName[] = "TUTAJ NOWA ZMIENNA";
const char kHeadingHint[] = "naglowek";
const int kHeadingOpenerLength = 6; // "<$" three characters ">"

// One tag read from the text, before its value is rendered.
struct VariableTag {
    int variable = -1;
    int end = 0;            // one past its closer
    int link = -1;
    bool plainLink = false; // "<*": the template text shown as ordinary text
    CString templateText;
    CString hint;
};

// The scan keeps the text read from the control at the start and a cursor in it: everything
// before the cursor has been dealt with and is never searched again, and every replacement
// lies at the cursor, so the control position of the cursor is the cursor plus the sum of what
// the replacements added. The control is never read back between tags.
class TagReplacer {
public:
    TagReplacer(const RichEditText &control, ViewTables &tables, OccurrenceBlock &block, GenerationHost &host)
        : m_control(control), m_tables(tables), m_block(block), m_host(host), m_text(control.GetPlainText())
    {
    }

    void Run();

private:
    int Position() const { return m_cursor + m_shift; }
    bool ReplaceHeading();
    bool ReadVariableTag(VariableTag &tag);
    // False when the tag stays in the text.
    bool ReplaceVariable(const VariableTag &tag, VariableOccurrence &occurrence);
    void SetUpInstance(int variable);
    // The text from the cursor to end replaced by text in the style; the length the control
    // gives the new text.
    int Replace(int end, const CString &text, TextStyle style);
    int ReplaceWithRtf(int end, const CString &rtf, TextStyle style);

    const RichEditText &m_control;
    ViewTables &m_tables;
    OccurrenceBlock &m_block;
    GenerationHost &m_host;
    const CString m_text;
    int m_cursor = 0;
    int m_shift = 0;
    int m_nextOccurrence = 0;
};

void TagReplacer::Run()
{
    const int length = m_text.GetLength();
    const int range = length - static_cast<int>(length * 0.1);
    m_host.SetProgressRange(range);
    for (;;) {
        m_cursor = m_text.Find('<', m_cursor);
        if (m_cursor < 0)
            return;
        m_host.SetProgressPos(Position() >= 1 ? Position() : range - 1);
        const char kind = m_text[m_cursor + 1];
        bool replaced = false;
        if (kind == '$') {
            replaced = ReplaceHeading();
        } else if (kind == '!') {
            VariableTag tag;
            VariableOccurrence *occurrence = nullptr;
            if (ReadVariableTag(tag))
                occurrence = m_block.Variable(m_nextOccurrence);
            if (occurrence) {
                replaced = ReplaceVariable(tag, *occurrence);
                ++m_nextOccurrence;
            }
        }
        if (!replaced)
            ++m_cursor;
    }
}

bool TagReplacer::ReplaceHeading()
{
    const CString id = m_text.Mid(m_cursor + 2, 3);
    const int slot = DecodeVariableId(id) + kFirstHeadingSlot;
    VariableOccurrence *heading = m_block.Heading(slot);
    if (!heading)
        return false;
    m_tables.m_nLastHeadingSlot = slot + 1;
    const CString closer = "<?" + id + ">";
    const int closerAt = m_text.Find(closer, m_cursor);
    if (closerAt < 0)
        return false;

    const int position = Position();
    const CString text = m_text.Mid(m_cursor + kHeadingOpenerLength, closerAt - m_cursor - kHeadingOpenerLength);
    const int length = Replace(closerAt + closer.GetLength(), text, TextStyle::Heading);
    heading->position = position;
    heading->length = length;
    heading->variable = kHeadingVariable;
    heading->hint = kHeadingHint;
    heading->enabled = 1;
    heading->link = -1;
    return true;
}

// An instance not yet shown takes over the template variable it was made from.
void TagReplacer::SetUpInstance(int variable)
{
    if (variable < m_tables.GetFirstVariableIndex() || m_tables.m_variables[variable].type != -1)
        return;
    const DynamicVariable *instance = m_tables.FindDynamicVariable(variable);
    if (!instance || !m_tables.IsVariableNumber(instance->templateVariable))
        return;
    const VariableSlot &source = m_tables.m_variables[instance->templateVariable];
    VariableSlot &target = m_tables.m_variables[variable];
    target.number = source.number;
    target.value = source.value;
    target.type = source.type;
    target.extraText = source.extraText;
    target.groupNumber = source.groupNumber;
    target.selected = source.selected;
    target.untouched = source.untouched;
    target.extra = source.extra;
    target.labelNumber = source.labelNumber < 0
                             ? source.labelNumber
                             : static_cast<int16_t>(source.labelNumber +
                                                    m_tables.GetFirstVariableIndex() * instance->repetition);
}

bool TagReplacer::ReadVariableTag(VariableTag &tag)
{
    const int idLength = VariableTagIdLength(m_text, m_cursor);
    const int openerLength = idLength + 3;
    const CString id = m_text.Mid(m_cursor + 2, idLength);
    tag.variable = DecodeVariableId(id);
    if (!m_tables.IsVariableNumber(tag.variable))
        return false;
    SetUpInstance(tag.variable);
    const int closerAt = m_text.Find("</" + id + ">", m_cursor);
    if (closerAt < 0)
        return false;
    tag.end = closerAt + openerLength;

    int textStart = m_cursor + openerLength;
    const CString linkKind = m_text.Mid(textStart, 2);
    if (linkKind == "<*" || linkKind == "<+") {
        const int linkIdLength = LinkTagIdLength(m_text, textStart);
        tag.link = DecodeVariableId(m_text.Mid(textStart + 2, linkIdLength));
        tag.plainLink = linkKind == "<*";
        textStart += linkIdLength + 3;
        if (!m_tables.IsVariableNumber(tag.link) || textStart > closerAt)
            return false;
    }
    tag.templateText = m_text.Mid(textStart, closerAt - textStart);
    if (tag.plainLink && tag.templateText == "\r")
        tag.templateText = " \r";
    const int semicolon = tag.templateText.Find(';');
    if (semicolon > 0) {
        tag.hint = tag.templateText.Mid(semicolon + 1);
        tag.templateText = tag.templateText.Left(semicolon);
    }
    return true;
}

bool TagReplacer::ReplaceVariable(const VariableTag &tag, VariableOccurrence &occurrence)
{
    VariableSlot &variable = m_tables.m_variables[tag.variable];
    const bool linkOff = tag.link >= 0 && m_tables.m_variables[tag.link].selected == 0;
    const int type = variable.type;
    const bool table = (type >= 4 && type <= 12) || type == 18 || type == 21 || type == 33;
    const int position = Position();
    CString name = tag.templateText;
    CString hint = tag.hint;
    int link = tag.link;
    bool keepsName = false;
    bool keepsLink = false;
    bool setsInsertedLength = false;
    TextStyle style = TextStyle::Value;
    TextStyle disabledStyle = TextStyle::Disabled;
    CString text;
    bool isRtf = false;
    bool isOption = false;

    if (tag.plainLink) {
        occurrence.enabled = linkOff ? 0 : 1;
        name = kPlainLinkName;
        hint.Empty();
        text = tag.templateText;
        style = TextStyle::Plain;
        disabledStyle = TextStyle::PlainDisabled;
    } else if (type == 0 || type == 32 || type == 34) {
        // Amounts keep the link their slot holds and are never switched off by it.
        keepsLink = type != 0;
        occurrence.enabled = type == 0 && linkOff ? 0 : 1;
        text = variable.value;
        if (variable.untouched == 1)
            style = tag.templateText == kAddEntryName ? TextStyle::AddEntry : TextStyle::DefaultValue;
    } else if (type == 20) {
        occurrence.enabled = 1;
        link = -1;
        text = tag.templateText;
        style = TextStyle::FixedText;
    } else if (type == 2 || type == 16 || type == 17) {
        // The enabled flag is only ever cleared here: the option editor sets it back.
        if (linkOff)
            occurrence.enabled = 0;
        text = variable.value;
        if (variable.untouched == 1)
            style = TextStyle::DefaultValue;
    } else if (type == 1 || type == 3) {
        if (linkOff)
            occurrence.enabled = 0;
        if (occurrence.enabled == 0)
            variable.selected = 0;
        const char *mark = variable.selected != 1 ? " [ ] " : type == 1 ? " [o] " : " [x] ";
        keepsName = true;
        isOption = true;
        text = mark + tag.templateText;
    } else if (type == 13 || type == 14 || type == 15) {
        occurrence.enabled = linkOff ? 0 : 1;
        text = type == 13   ? RenderDashList(variable.value)
               : type == 14 ? RenderLetteredList(variable.value)
                            : RenderNumberedList(tag.templateText, variable.value);
        setsInsertedLength = true;
    } else if (table || type == 30 || type == 31 || type == 36) {
        occurrence.enabled = linkOff ? 0 : 1;
        if (table) {
            text = BuildDocumentTable(TableValueText(variable.value), type - 4, m_tables.m_nParts);
        } else {
            text = BuildRecordList(tag.templateText, TableValueText(variable.value));
            NormalizeNewlines(text);
        }
        style = TextStyle::Table;
        setsInsertedLength = true;
    } else if (type == 35) {
        occurrence.enabled = linkOff ? 0 : 1;
        text = TableTextToRtf(variable.value, tag.variable);
        isRtf = true;
        style = TextStyle::Table;
        setsInsertedLength = true;
    } else {
        return false; // a type that is never shown: the tag stays
    }

    const TextStyle shownStyle = occurrence.enabled != 0 ? style : disabledStyle;
    const int length = isRtf ? ReplaceWithRtf(tag.end, text, shownStyle) : Replace(tag.end, text, shownStyle);
    if (isOption)
        variable.value = tag.templateText;
    occurrence.variable = static_cast<int16_t>(tag.variable);
    occurrence.position = position;
    occurrence.length = length;
    occurrence.hint = hint;
    if (!keepsName)
        occurrence.name = name;
    if (!keepsLink)
        occurrence.link = link;
    if (setsInsertedLength)
        variable.insertedLength = length;
    return true;
}

// The tag is styled first and then replaced: the new text takes the style of the text it
// replaces, and the control is asked one thing less per tag than styling the new text after.
int TagReplacer::Replace(int end, const CString &text, TextStyle style)
{
    const int replacedLength = end - m_cursor;
    const int before = m_control.GetTextLength();
    m_control.SetSel(Position(), Position() + replacedLength);
    m_control.SetSelectionFormat(MakeTextStyle(style));
    m_control.ReplaceSel(text);
    const int length = m_control.GetTextLength() - before + replacedLength;
    m_shift += length - replacedLength;
    m_cursor = end;
    return length;
}

int TagReplacer::ReplaceWithRtf(int end, const CString &rtf, TextStyle style)
{
    const int position = Position();
    const int replacedLength = end - m_cursor;
    const int before = m_control.GetTextLength();
    m_control.SetSel(Position(), Position() + replacedLength);
    m_control.InsertRtf(rtf, true);
    const int length = m_control.GetTextLength() - before + replacedLength;
    m_shift += length - replacedLength;
    m_cursor = end;
    m_control.SetSel(position, position + length);
    m_control.SetSelectionFormat(MakeTextStyle(style));
    return length;
}

} // namespace

void ReplaceTags(const RichEditText &control, ViewTables &tables, OccurrenceBlock &block, GenerationHost &host)
{
    TagReplacer(control, tables, block, host).Run();
}
