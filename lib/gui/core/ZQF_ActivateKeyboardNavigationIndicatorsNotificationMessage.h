// ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage.h: what a
// group of controls or a tab strip dispatches after the user moved within it
// by the keyboard, so that the dialog around it starts showing focus
// indicators and mnemonic underlines. Carries nothing; travels up the
// parent chain like every notification. UI thread only.
#ifndef ZQF_ACTIVATEKEYBOARDNAVIGATIONINDICATORSNOTIFICATIONMESSAGE_H
#define ZQF_ACTIVATEKEYBOARDNAVIGATIONINDICATORSNOTIFICATIONMESSAGE_H

#include "ZQF_Message.h"

class ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage : public ZQF_NotificationMessage {
};

#endif
