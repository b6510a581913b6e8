#include "document/engine/tag_replacement.h"

#include "document/engine/rich_edit_text.h"
#include "document/engine/rtf_document_builder.h"
#include "document/engine/rtf_table.h"
#include "document/engine/text_styles.h"
#include "document/engine/text_tables.h"
#include "document/engine/value_rendering.h"
#include "document/engine/variable_tags.h"
#include "model/variable_type.h"
#include "model/view_tables.h"

namespace {

const char kPlainLinkName[] = "to jest zwykly tekst";
const char kAddEntryName[] = "TUTAJ NOWA ZMIENNA";
const char kHeadingHint[] = "naglowek";
const int kHeadingOpenerLength = 6; // "<$" three characters ">"

// One tag read from the text, before its value is rendered.
struct VariableTag {
    int variable = -1;
    int end = 0; // one past its closer
    int link = -1;
    bool plainLink = false; // "<*": the template text shown as ordinary text
    CString templateText;
    CString hint;
};

// The scan keeps the document's text and a cursor in it: everything before the cursor has been
// dealt with and is never searched again, and every replacement starts at the cursor.
class TagReplacer {
public:
    TagReplacer(RtfDocumentBuilder &document, ViewTables &tables, OccurrenceBlock &block, int &badTableRows)
        : m_document(document), m_tables(tables), m_block(block), m_text(document.PlainText()),
          m_badTableRows(badTableRows)
    {
    }

    std::vector<TagPlacement> Run();

private:
    bool ReplaceHeading();
    bool ReadVariableTag(VariableTag &tag);
    // False when the tag stays in the text.
    bool ReplaceVariable(const VariableTag &tag, VariableOccurrence &occurrence);
    void SetUpInstance(int variable);
    // The text from the cursor to end replaced by text (or RTF) in the style.
    int Replace(int end, const CString &text, TextStyle style, bool isRtf = false);

    RtfDocumentBuilder &m_document;
    ViewTables &m_tables;
    OccurrenceBlock &m_block;
    const CString m_text;
    int &m_badTableRows;
    int m_cursor = 0;
    int m_nextOccurrence = 0;
    std::vector<TagPlacement> m_placements;
};

std::vector<TagPlacement> TagReplacer::Run()
{
    for (;;) {
        m_cursor = m_text.Find('<', m_cursor);
        if (m_cursor < 0)
            return m_placements;
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

    const CString text = m_text.Mid(m_cursor + kHeadingOpenerLength, closerAt - m_cursor - kHeadingOpenerLength);
    m_placements.push_back({heading, nullptr, Replace(closerAt + closer.GetLength(), text, TextStyle::Heading)});
    heading->variable = kHeadingVariable;
    heading->hint = kHeadingHint;
    heading->enabled = 1;
    heading->link = -1;
    return true;
}

// An instance not yet shown takes over the template variable it was made from.
void TagReplacer::SetUpInstance(int variable)
{
    if (variable < m_tables.GetFirstVariableIndex()
        || VariableTypeOf(m_tables.m_variables[variable].type) != VariableType::None)
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
    target.labelNumber =
        source.labelNumber < 0
            ? source.labelNumber
            : static_cast<int16_t>(source.labelNumber + m_tables.GetFirstVariableIndex() * instance->repetition);
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
    const VariableType type = VariableTypeOf(variable.type);
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
    } else if (type == VariableType::Text || IsAmountType(type)) {
        // Amounts keep the link their slot holds and are never switched off by it.
        keepsLink = type != VariableType::Text;
        occurrence.enabled = type == VariableType::Text && linkOff ? 0 : 1;
        text = variable.value;
        if (variable.untouched == 1)
            style = tag.templateText == kAddEntryName ? TextStyle::AddEntry : TextStyle::DefaultValue;
    } else if (type == VariableType::HelpLink) {
        occurrence.enabled = 1;
        link = -1;
        text = tag.templateText;
        style = TextStyle::FixedText;
    } else if (IsDateType(type)) {
        // The enabled flag is only ever cleared here: the option editor sets it back.
        if (linkOff)
            occurrence.enabled = 0;
        text = variable.value;
        if (variable.untouched == 1)
            style = TextStyle::DefaultValue;
    } else if (IsOptionType(type)) {
        if (linkOff)
            occurrence.enabled = 0;
        if (occurrence.enabled == 0)
            variable.selected = 0;
        const char *mark = variable.selected != 1 ? " [ ] " : type == VariableType::Option ? " [o] " : " [x] ";
        keepsName = true;
        isOption = true;
        text = mark + tag.templateText;
    } else if (IsDocumentListType(type)) {
        occurrence.enabled = linkOff ? 0 : 1;
        text = type == VariableType::DashList       ? RenderDashList(variable.value)
               : type == VariableType::LetteredList ? RenderLetteredList(variable.value)
                                                    : RenderNumberedList(tag.templateText, variable.value);
        setsInsertedLength = true;
    } else if (IsTextTableType(type) || IsGridTableType(type)) {
        occurrence.enabled = linkOff ? 0 : 1;
        if (IsTextTableType(type)) {
            text = BuildDocumentTable(TableValueText(variable.value), TableKindOf(type), m_tables.m_nParts,
                                      &m_badTableRows);
        } else {
            text = BuildRecordList(tag.templateText, TableValueText(variable.value));
            NormalizeNewlines(text);
        }
        style = TextStyle::Table;
        setsInsertedLength = true;
    } else if (type == VariableType::RtfTable) {
        occurrence.enabled = linkOff ? 0 : 1;
        text = TableTextToRtf(variable.value, tag.variable);
        isRtf = true;
        style = TextStyle::Table;
        setsInsertedLength = true;
    } else {
        return false; // a type that is never shown: the tag stays
    }

    const TextStyle shownStyle = occurrence.enabled != 0 ? style : disabledStyle;
    m_placements.push_back(
        {&occurrence, setsInsertedLength ? &variable : nullptr, Replace(tag.end, text, shownStyle, isRtf)});
    if (isOption)
        variable.value = tag.templateText;
    occurrence.variable = static_cast<int16_t>(tag.variable);
    occurrence.hint = hint;
    if (!keepsName)
        occurrence.name = name;
    if (!keepsLink)
        occurrence.link = link;
    return true;
}

int TagReplacer::Replace(int end, const CString &text, TextStyle style, bool isRtf)
{
    const int replacement = isRtf ? m_document.AddRtfReplacement(m_cursor, end, text, style)
                                  : m_document.AddReplacement(m_cursor, end, text, style);
    m_cursor = end;
    return replacement;
}

} // namespace

std::vector<TagPlacement> ReplaceTags(RtfDocumentBuilder &document, ViewTables &tables, OccurrenceBlock &block,
                                      int &badTableRows)
{
    return TagReplacer(document, tables, block, badTableRows).Run();
}
