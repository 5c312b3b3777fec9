#include "text/OracleText.h"

namespace OracleText {

UserMessage noColourChosen()
{
    return {QStringLiteral("神様からの忠告"), QStringLiteral("ラッキーカラーが選ばれていません。１つ選んで下さい。")};
}

} // namespace OracleText
