#include "document/view_tool_prompts.h"

ViewToolPrompts *ViewToolPrompts::s_installed = nullptr;
