#include "core/names/SongPath.h"

namespace tombrel {

// The keyboard's drives: the internal hard disk's six partitions and two partitions on each SCSI
// id 0..6.
const std::array<std::string_view, kSongDriveCount> kSongDriveItems = {
    "ATA00:  (Int. HD - Partition 0)",   "ATA01:  (Int. HD - Partition 1)",
    "ATA02:  (Int. HD - Partition 2)",   "ATA03:  (Int. HD - Partition 3)",
    "ATA04:  (Int. HD - Partition 4)",   "ATA05:  (Int. HD - Partition 5)",
    "SCS00:  (Ext. SCSI-0 Partition 0)", "SCS01:  (Ext. SCSI-0 Partition 1)",
    "SCS10:  (Ext. SCSI-1 Partition 0)", "SCS11:  (Ext. SCSI-1 Partition 1)",
    "SCS20:  (Ext. SCSI-2 Partition 0)", "SCS21:  (Ext. SCSI-2 Partition 1)",
    "SCS30:  (Ext. SCSI-3 Partition 0)", "SCS31:  (Ext. SCSI-3 Partition 1)",
    "SCS40:  (Ext. SCSI-4 Partition 0)", "SCS41:  (Ext. SCSI-4 Partition 1)",
    "SCS50:  (Ext. SCSI-5 Partition 0)", "SCS51:  (Ext. SCSI-5 Partition 1)",
    "SCS60:  (Ext. SCSI-6 Partition 0)", "SCS61:  (Ext. SCSI-6 Partition 1)",
};

} // namespace tombrel
