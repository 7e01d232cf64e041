-- Drives Neovim as a user would, after the README's snippet was loaded: the file is open,
-- kvf-lsp attached. Writes "ok" or the failure into the file named by $KVF_TEST_RESULT.
local result_file = os.getenv('KVF_TEST_RESULT')
-- A wait for the server fails only when its answer never comes (it means "it hangs", on a
-- machine as busy as it may be), never as a measure of speed.
local hangs = 120000
local buf = vim.api.nvim_get_current_buf()

local function finish(message)
  local f = io.open(result_file, 'w')
  f:write(message)
  f:close()
  vim.cmd(message == 'ok' and 'qall!' or 'cquit! 1')
end

local function check(condition, message)
  if not condition then
    finish('FAIL: ' .. message)
    error(message)
  end
end

local function codes()
  local found = {}
  for _, d in ipairs(vim.diagnostic.get(buf)) do
    found[#found + 1] = tostring(d.code or (d.user_data and d.user_data.lsp and d.user_data.lsp.code))
  end
  return table.concat(found, ',')
end

local function has_code(code)
  return (',' .. codes() .. ','):find(',' .. code .. ',', 1, true) ~= nil
end

local ok, err = pcall(function()
  check(vim.bo.filetype == 'kvf', 'filetype is ' .. vim.bo.filetype)
  -- kvfcheck's findings of the file as opened: the unknown key on line 3 (133).
  check(vim.wait(hangs, function() return has_code('133') end, 50),
        'no diagnostics after opening: ' .. codes())

  -- Typing: a string value without quotes on line 2 gives 145 (the Visible-String rule).
  vim.api.nvim_buf_set_lines(buf, 1, 2, false, { 'Vendor_Name = ACME' })
  check(vim.wait(hangs, function() return has_code('145') end, 50),
        'diagnostics did not follow the edit: ' .. codes())

  -- Hover over the keyword of line 2 shows its help.
  local hover = vim.lsp.buf_request_sync(buf, 'textDocument/hover', {
    textDocument = vim.lsp.util.make_text_document_params(buf),
    position = { line = 1, character = 3 },
  }, hangs)
  local text = ''
  for _, response in pairs(hover or {}) do
    if response.result then text = text .. vim.inspect(response.result.contents) end
  end
  check(text:find('Name of the manufacturer', 1, true), 'hover: ' .. text)

  -- The quick fix of the unknown key on line 3, as the code action menu offers it.
  local line_diagnostics = vim.lsp.diagnostic.get_line_diagnostics(buf, 2)
  check(#line_diagnostics > 0, 'no LSP diagnostics on line 3')
  local actions = vim.lsp.buf_request_sync(buf, 'textDocument/codeAction', {
    textDocument = vim.lsp.util.make_text_document_params(buf),
    range = line_diagnostics[1].range,
    context = { diagnostics = line_diagnostics },
  }, hangs)
  local chosen
  for _, response in pairs(actions or {}) do
    for _, action in ipairs(response.result or {}) do
      if action.title:find('Did you mean', 1, true) then chosen = action end
    end
  end
  check(chosen ~= nil, 'no "Did you mean" fix offered')
  vim.lsp.util.apply_workspace_edit(chosen.edit, 'utf-16')
  check(vim.api.nvim_buf_get_lines(buf, 2, 3, false)[1]:find('^Freeze_Mode_supp'), 'the fix was not applied')
  check(vim.wait(hangs, function() return not has_code('133') end, 50),
        'the finding stayed after the fix: ' .. codes())

  -- Completing a half-typed keyword whose name holds '.': the item's edit replaces what was
  -- typed, so the line holds the keyword once.
  vim.api.nvim_buf_set_lines(buf, -1, -1, false, { 'MaxTsdr_9.' })
  local last = vim.api.nvim_buf_line_count(buf) - 1
  local completion = vim.lsp.buf_request_sync(buf, 'textDocument/completion', {
    textDocument = vim.lsp.util.make_text_document_params(buf),
    position = { line = last, character = 10 },
  }, hangs)
  local item
  for _, response in pairs(completion or {}) do
    for _, candidate in ipairs(response.result or {}) do
      if candidate.label == 'MaxTsdr_9.6' then item = candidate end
    end
  end
  check(item ~= nil and item.textEdit ~= nil, 'no completion of MaxTsdr_9.6 with its edit')
  vim.lsp.util.apply_text_edits({ item.textEdit }, buf, 'utf-16')
  local completed = vim.api.nvim_buf_get_lines(buf, last, last + 1, false)[1]
  check(completed == 'MaxTsdr_9.6', 'completed line: ' .. completed)
end)
if ok then finish('ok') else finish('FAIL: ' .. tostring(err)) end
