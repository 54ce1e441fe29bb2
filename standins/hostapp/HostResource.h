// Resource symbols of the command-line host.
#pragma once

#define MCHOST_APP_NAME "Motion Host"

#define IDS_HELP_NO_TOPIC 100
#define IDS_HELP_SLAVE_MANAGEMENT 101
