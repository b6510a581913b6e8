// Resource ids of the proceeding window's dialogs: protection, passwords, save-as, header and footer, properties.
#pragma once
