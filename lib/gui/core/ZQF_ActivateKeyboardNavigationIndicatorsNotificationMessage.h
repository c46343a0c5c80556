// ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage.h: what a
// control that moves a selection inside itself with the keyboard sends up
// its parent chain, so that the dialog starts showing focus indicators and
// mnemonic underlines. Carries no data.
#ifndef ZQF_ACTIVATEKEYBOARDNAVIGATIONINDICATORSNOTIFICATIONMESSAGE_H
#define ZQF_ACTIVATEKEYBOARDNAVIGATIONINDICATORSNOTIFICATIONMESSAGE_H

#include "ZQF_Message.h"

class ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage
    : public ZQF_NotificationMessage {};

#endif
