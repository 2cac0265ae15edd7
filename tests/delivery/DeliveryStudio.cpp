#include "delivery/DeliveryStudio.h"

CDeliveryStudio::CDeliveryStudio() {
    db.fieldSeparator = "|";
    db.competitionName = "Spring Open";
    db.organizerAddress = "org@example.org";
    db.setupFileName = dir.File("Spring.stu");
    db.dataFileName = dataFile;
    AddStudio(db, "Star Dance");
    AddPersonRecord(db, 'M', 'P', 0, "Michael", "Turner");
}
