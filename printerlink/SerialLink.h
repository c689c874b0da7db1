#pragma once
// The printer link in one include: port search, open and set-up, the port
// lock, byte and block I/O, the command exchange, the link checksum and the
// checksummed file transfers.
#include "printerlink/CommandExchange.h"
#include "printerlink/ControlBytes.h"
#include "printerlink/Download.h"
#include "printerlink/FileChecksum.h"
#include "printerlink/HexText.h"
#include "platform/LinkChecksum.h"
#include "printerlink/PortControl.h"
#include "printerlink/PortHandles.h"
#include "printerlink/PortIo.h"
#include "printerlink/PortSearch.h"
#include "printerlink/PortState.h"
#include "printerlink/SyncFiles.h"
#include "printerlink/TransferCommand.h"
#include "printerlink/Upload.h"
