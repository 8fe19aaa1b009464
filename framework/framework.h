#pragma once
// The framework in one include.

#include "button.h"
#include "combo_box.h"
#include "cstring_class.h"
#include "data_exchange.h"
#include "dialog.h"
#include "edit.h"
#include "ip_address_ctrl.h"
#include "list_ctrl.h"
#include "menu.h"
#include "message_map.h"
#include "paint_dc.h"
#include "ui_seam.h"
#include "win_app.h"
#include "wnd.h"
