// Resource ids of the definition, document and criteria lists.
#pragma once
