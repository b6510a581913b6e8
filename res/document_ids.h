// Resource ids of the document engine and its printing.
#pragma once
