#include "document/view/view_tool_prompts.h"

ViewToolPrompts *ViewToolPrompts::s_installed = nullptr;
