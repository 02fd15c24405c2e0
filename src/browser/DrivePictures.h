#pragma once
// The drive-type pictures of the drive choice ComboBox2: Floppy, Fixed,
// Network, CDROM and RAM, drawn once each.
#include <QIcon>

#include "Drives.h"

QIcon DrivePicture(DriveType type);
