// The paragraph layout Wine's control loses when it reads RTF (see RtfPlainModel) given back
// to the paragraphs it read.
#pragma once

#include "document/engine/rich_edit_text.h"
#include "document/engine/rtf_plain_model.h"
#include "framework/core/cstring.h"

// The paragraphs of the control, which holds the model's RTF as streamed in, laid out as the
// RTF says: each run of paragraphs of one layout gets it at once.
void RestoreParagraphLayouts(const RichEditText &control, const RtfPlainModel &streamed);

// The control's content replaced by the RTF, laid out as the RTF says; false when the control
// refused it.
bool StreamInRtfWithLayouts(const RichEditText &control, const CString &rtf);
