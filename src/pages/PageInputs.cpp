// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/PageInputs.h"

#include "app/ProgramSettings.h"
#include "pages/PagePictures.h"
#include "pages/SchemeTable.h"

PageInputs PageInputs::Take(const ProgramSettings& settings, SellerTexts seller,
                            const PagePictures& pictures, const QString& catalogue) {
    const SchemeTable& schemes = SchemeTable::Standard();
    const int scheme = settings.SchemeIndex();
    PageInputs inputs;
    inputs.layout = settings.LayoutIndex();
    inputs.primary = schemes.SchemePrimary().At(scheme);
    inputs.secondary = schemes.SchemeSecondary().At(scheme);
    inputs.text = schemes.SchemeText().At(scheme);
    inputs.fontTag = schemes.SchemeFontTag().At(scheme);
    inputs.seller = std::move(seller);
    inputs.outputFolder = settings.OutputFolder();
    if (!inputs.outputFolder.isEmpty() && pictures.IsApplicationFolder(inputs.outputFolder))
        inputs.reservedNames = PagePictures::ShippedFiles();
    inputs.catalogue = catalogue;
    if (!inputs.outputFolder.isEmpty())
        inputs.catalogueNames = FileIdentity::NamesIn(inputs.outputFolder, catalogue);
    return inputs;
}
