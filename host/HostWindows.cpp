#include "host/HostWindows.h"

#include "host/Unit_Text1.h"
#include "host/Unit_Text2.h"
#include "host/Unit_Valdorn1.h"
#include "host/Unit_pass1.h"

namespace valdorn {

HostWindows::HostWindows(const AssetLibrary& assets) {
    pass_ = std::make_unique<TForm_Pass>(assets);
    Form_Pass = pass_.get();
    text2_ = std::make_unique<TForm_Text2>(assets);
    Form_Text2 = text2_.get();
    main_ = std::make_unique<TForm_Main>(assets);
    Form_Main = main_.get();
    text_ = std::make_unique<TForm_Text>();
    Form_Text = text_.get();
}

HostWindows::~HostWindows() {
    text2_.reset();
    Form_Text2 = nullptr;
    text_.reset();
    Form_Text = nullptr;
    main_.reset();
    Form_Main = nullptr;
    pass_.reset();
    Form_Pass = nullptr;
}

}  // namespace valdorn
