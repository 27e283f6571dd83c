#include "widgets/core/iOPCItem.h"

#include "gui/streaming/ClassBuilder.h"

const TClassInfo& TiOPCItem::StaticClassInfo() {
    static const TClassInfo& info =
        TClassBuilder<TiOPCItem>("TiOPCItem", nullptr)
            .String("ComputerName", &TiOPCItem::ComputerName, &TiOPCItem::SetComputerName)
            .String("ServerName", &TiOPCItem::ServerName, &TiOPCItem::SetServerName)
            .String("ItemName", &TiOPCItem::ItemName, &TiOPCItem::SetItemName)
            .String("PropertyName", &TiOPCItem::PropertyName, &TiOPCItem::SetPropertyName)
            .Integer("UpdateRate", &TiOPCItem::UpdateRate, &TiOPCItem::SetUpdateRate, 500)
            .Boolean("AutoConnect", &TiOPCItem::AutoConnect, &TiOPCItem::SetAutoConnect, true)
            .Build();
    return info;
}
